// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QTimer>
#include <QWidget>

struct AlarmLists;
struct WindowContext;
class AlarmListLogic;
class QAction;
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

// The Alarm Set window: time input, the day's alarm list and its messages, the alarm sound and the chime.
class AlarmSetWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlarmSetWindow)
public:
    /// The window's load: the play-times word, AM/PM, its place, sound and chime from before, the font choice.
    AlarmSetWindow(WindowContext& context, AlarmLists& lists, QWidget* parent = nullptr);
    ~AlarmSetWindow() override;

    void onAddClicked();
    void onAddWithMessageClicked();
    void onDeleteClicked();
    void onDeleteAllClicked();
    void onAmPmUpClicked();
    void onAmPmDownClicked();
    void onViewMessagesClicked();
    void onPlaySoundClicked();
    void onLoadClicked();
    void onSaveFileClicked();
    void onEditClicked();
    void onMinimizeClicked();
    void onExitClicked();
    void onSettingsTriggered();
    void onAlarmDoubleClicked();
    void onChimeIntervalChosen();
    /// Sets the chime up from the "Every" box and the minutes box; the clock tick calls it to move the mark on.
    void onChimeToggled();
    /// The title: "Tindalo Alarm Clock..." and the date and time, while the window is visible.
    void updateTitle();

    /// Fills the sound list from the program folder, once per load of the window.
    void fillSoundList();
    /// The picked sound plays every alarm from now on and is remembered.
    void onSoundChosen();

    /// Shows or hides the seconds box as "Don't compare with second" says.
    void updateSecondsShown();
    /// The message input window closed: the alarm list is shown again in place of its picture.
    void messageInputClosed();

    QMenuBar* m_menuBar = nullptr;
    QAction* m_settingsAction = nullptr;
    QLabel* m_picture = nullptr;
    QLabel* m_timeLabel = nullptr;
    QComboBox* m_hourBox = nullptr;
    QLabel* m_minutesColon = nullptr;
    QComboBox* m_minuteBox = nullptr;
    QLabel* m_secondsColon = nullptr;
    QComboBox* m_secondBox = nullptr;
    QLineEdit* m_amPmBox = nullptr;
    QToolButton* m_amPmUpButton = nullptr;
    QToolButton* m_amPmDownButton = nullptr;
    QComboBox* m_playTimesBox = nullptr;
    QPushButton* m_addButton = nullptr;
    QToolButton* m_addWithMessageButton = nullptr;
    QGroupBox* m_playListFrame = nullptr;
    QListView* m_alarmList = nullptr;
    QListView* m_messageList = nullptr;
    QLabel* m_shade = nullptr;
    QPushButton* m_viewMessagesButton = nullptr;
    QPlainTextEdit* m_messagesView = nullptr;
    QToolButton* m_deleteButton = nullptr;
    QToolButton* m_deleteAllButton = nullptr;
    QComboBox* m_soundBox = nullptr;
    QToolButton* m_playSoundButton = nullptr;
    QCheckBox* m_chimeCheck = nullptr;
    QComboBox* m_chimeIntervalBox = nullptr;
    QLabel* m_minutesLabel = nullptr;
    QToolButton* m_loadButton = nullptr;
    QToolButton* m_saveFileButton = nullptr;
    QToolButton* m_editButton = nullptr;
    QToolButton* m_minimizeButton = nullptr;
    QPushButton* m_exitButton = nullptr;
    QTimer m_titleTimer;

    /// The size of the list with messages, in twips.
    static constexpr int kViewWidthTwips = 4092;
    static constexpr int kViewHeightTwips = 3012;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    AlarmListLogic logic();
    void buildControls();
    void buildLayout();
    void load();
    void applyFontChoice();
    /// Adds the event of the time boxes; with withMessage on, the message input opens for it.
    void addEvent();
    void openMessageInput();
    /// Shows the list with messages, the alarm list, or its shaded picture while a message is typed.
    void showListArea();
    /// The size of the list with messages on this screen.
    QSize viewSize() const;
    void watchTimeBox(QComboBox* box);
    void showSelected(qsizetype row);

    WindowContext& m_context;
    AlarmLists& m_lists;
    bool m_typingMessage = false;
    /// The play-times word used when none is chosen: "once" at first, then the last one chosen.
    QString m_playTimes;
    /// The sound list has been filled since the window was loaded.
    bool m_soundListFilled = false;
};
