// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QWidget>

struct WindowContext;
class ListFileFlow;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;
class WallpaperLogic;
struct WallpaperWindowState;

// The Change Wallpaper window: shows and edits the wallpaper logic's list and schedule, previews pictures and
// saves the list to its file. The check boxes and option buttons mirror the logic's state.
class WallpaperWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WallpaperWindow)
public:
    /// Over the wallpaper logic, what the window keeps while it is closed, and the list files it saves and loads.
    WallpaperWindow(WindowContext& context, WallpaperLogic& logic, WallpaperWindowState& windowState,
                    ListFileFlow& listFiles, QWidget* parent = nullptr);
    ~WallpaperWindow() override;

    /// The window load: position, the logic's state, font.
    void load();
    /// The closing steps: remembers the position and saves the settings. True when the window may go; false when
    /// a change is scheduled, and the window is then only hidden.
    bool closeSteps();

    void onPictureChosen();
    void onListClicked();
    void onAddClicked();
    void onDeleteClicked();
    void onDeleteAllClicked();
    void onSaveListClicked();
    void onLoadClicked();
    void onIntervalChosen();
    void onChangeNowClicked();
    void onClearWallpaperClicked();
    void onMinimizeClicked();
    void onCloseClicked();

    /// The file the preview shows, empty when it shows none.
    QString previewPath() const { return m_previewPath; }

    QLabel* m_listLabel = nullptr;
    QListWidget* m_pictureList = nullptr;
    QComboBox* m_pictureBox = nullptr;
    QLabel* m_preview = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_deleteAllButton = nullptr;
    QPushButton* m_saveListButton = nullptr;
    QPushButton* m_loadButton = nullptr;
    QCheckBox* m_changeCheck = nullptr;
    QLabel* m_changeLabel = nullptr;
    QComboBox* m_intervalBox = nullptr;
    QRadioButton* m_priorityOption = nullptr; // priority
    QLabel* m_priorityLabel = nullptr;
    QRadioButton* m_randomOption = nullptr; // random
    QLabel* m_randomLabel = nullptr;
    QCheckBox* m_keepSettingsCheck = nullptr;
    QLabel* m_keepSettingsLabel = nullptr;
    QPushButton* m_changeNowButton = nullptr;
    QPushButton* m_clearWallpaperButton = nullptr;
    QPushButton* m_minimizeButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    QLabel* m_hiddenPicture = nullptr;
    QLabel* m_picture = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    /// Shows the logic's state; no handler runs.
    void showState();
    /// Shows the logic's list again, keeping the current row where it can.
    void showList();
    void showPreview(const QString& path);
    void applyFontChoice();

    WindowContext& m_context;
    WallpaperWindowState& m_windowState;
    WallpaperLogic& m_logic;
    ListFileFlow& m_listFiles;
    QString m_previewPath;
};
