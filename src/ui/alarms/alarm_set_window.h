// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QTimer>
#include <QWidget>

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
    explicit AlarmSetWindow(WindowContext& context, QWidget* parent = nullptr);
    ~AlarmSetWindow() override;

    void cmdAdd_Click();
    void cmdWithMessage_Click();
    void cmdDelete_Click();
    void cmdDeleteAll_Click();
    void cmdUp_Click();
    void cmdDown_Click();
    void cmdViewM_Click();
    void cmdPlayB_Click();
    void cmdLoad_Click();
    void cmdSaveFile_Click();
    void cmdEditor_Click();
    void cmdMin_Click();
    void cmdExit_Click();
    void mSettings_Click();
    void lstData_DblClick();
    void cbEMPlay_Click();
    /// Sets the chime up from the "Every" box and the minutes box; the clock tick calls it to move the mark on.
    void chkEMPlay_Click();
    /// The title: "Tindalo Alarm Clock..." and the date and time, while the window is visible.
    void Timer1_Timer();

    /// Fills the sound list from the program folder, once per load of the window.
    void SongDropDown();
    /// The picked sound plays every alarm from now on and is remembered.
    void SongClick();

    /// Shows or hides the seconds box as "Don't compare with second" says.
    void updateSecondsShown();
    /// The message input window closed: the alarm list is shown again in place of its picture.
    void messageInputClosed();

    QMenuBar* menuBar = nullptr;
    QAction* mSettings = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* lblATis = nullptr;
    QComboBox* cbHour = nullptr;
    QLabel* lblColon1 = nullptr;
    QComboBox* cbMin = nullptr;
    QLabel* lblColon2 = nullptr;
    QComboBox* cbSec = nullptr;
    QLineEdit* txtAm = nullptr;
    QToolButton* cmdUp = nullptr;
    QToolButton* cmdDown = nullptr;
    QComboBox* cbPlayTimes = nullptr;
    QPushButton* cmdAdd = nullptr;
    QToolButton* cmdWithMessage = nullptr;
    QGroupBox* Frame2 = nullptr;
    QListView* lstData = nullptr;
    QListView* lstMessage = nullptr;
    QLabel* imgSha = nullptr;
    QPushButton* cmdViewM = nullptr;
    QPlainTextEdit* txtViewM = nullptr;
    QToolButton* cmdDelete = nullptr;
    QToolButton* cmdDeleteAll = nullptr;
    QComboBox* cmbSong = nullptr;
    QToolButton* cmdPlayB = nullptr;
    QCheckBox* chkEMPlay = nullptr;
    QComboBox* cbEMPlay = nullptr;
    QLabel* Label2 = nullptr;
    QToolButton* cmdLoad = nullptr;
    QToolButton* cmdSaveFile = nullptr;
    QToolButton* cmdEditor = nullptr;
    QToolButton* cmdMin = nullptr;
    QPushButton* cmdExit = nullptr;
    QTimer Timer1;

    /// The play-times word used when none is chosen: "once" at first, then the last one chosen.
    QString strTimesOfPlay;
    /// The sound list has been filled since the window was loaded.
    bool SFjumper = false;

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
    void fForm4Load();
    void LoadFontSetting();
    /// Adds the event of the time boxes; with bWithMessage on, the message input opens for it.
    void AddClick();
    void openMessageInput();
    /// Shows the list with messages, the alarm list, or its shaded picture while a message is typed.
    void showListArea();
    /// The size of the list with messages on this screen.
    QSize viewSize() const;
    void watchTimeBox(QComboBox* box);
    void showSelected(qsizetype row);

    WindowContext& m_ctx;
    bool m_typingMessage = false;
};
