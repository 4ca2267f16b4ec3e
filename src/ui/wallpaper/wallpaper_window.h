// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QWidget>

struct WindowContext;
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
    explicit WallpaperWindow(WindowContext& context, QWidget* parent = nullptr);
    ~WallpaperWindow() override;

    /// The window load: position, the logic's state, font.
    void Form_Load();
    /// The closing steps: remembers the position and saves the settings. True when the window may go; false when
    /// a change is scheduled, and the window is then only hidden.
    bool Form_QueryUnload();

    void cbPaper_Click();
    void lstShow_Click();
    void cmdAdd_Click();
    void cmdDelete_Click();
    void cmdDeleteAll_Click();
    void CmdSaveToFile_Click();
    void cmdLoad_Click();
    void cbChange_Click();
    void cmdChangeWall_Click();
    void cmdClearWall_Click();
    void cmdMinimize_Click();
    void cmdClose_Click();

    /// The file the preview shows, empty when it shows none.
    QString previewPath() const { return m_previewPath; }

    QLabel* Label3 = nullptr;
    QListWidget* lstShow = nullptr;
    QComboBox* cbPaper = nullptr;
    QLabel* imgShow = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdDelete = nullptr;
    QPushButton* cmdDeleteAll = nullptr;
    QPushButton* CmdSaveToFile = nullptr;
    QPushButton* cmdLoad = nullptr;
    QCheckBox* chkChange = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* cbChange = nullptr;
    QRadioButton* optOption1 = nullptr; // priority
    QLabel* Label4 = nullptr;
    QRadioButton* optOption2 = nullptr; // random
    QLabel* Label5 = nullptr;
    QCheckBox* chkKeepSet = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* cmdChangeWall = nullptr;
    QPushButton* cmdClearWall = nullptr;
    QPushButton* cmdMinimize = nullptr;
    QPushButton* cmdClose = nullptr;
    QLabel* imgInvPic = nullptr;
    QLabel* Image1 = nullptr;

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
    void LoadFontSetting();

    WindowContext& m_ctx;
    WallpaperWindowState& m_form;
    WallpaperLogic& m_logic;
    QString m_previewPath;
};
