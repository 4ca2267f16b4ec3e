// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <array>

#include <QWidget>

struct WindowContext;
class AlarmWake;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The Settings window: sound options, seconds comparison, internal speaker, window font, start at log-in, and
// waking the computer for alarms.
// Its boxes set the program-wide settings flags whenever their state changes; closing it writes the settings
// file.
class SettingsWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsWindow)
public:
    SettingsWindow(WindowContext& context, AlarmWake& wake, QWidget* parent = nullptr);
    ~SettingsWindow() override;

    /// Sets the boxes from the flags and the settings file (their change handling runs) and applies the font
    /// choice. Runs once, before the window is first shown.
    void load();
    /// Sets `box` to the stored state `state`: 0 unchecked, 1 checked; other values leave it as it is.
    static void setCheckState(QCheckBox* box, qint16 state);
    /// Sets "Sound on" and "Show error message..." to the stored states (0 or 1; others leave a box).
    void showSoundChecks(qint16 soundOn, qint16 showSoundErrors);
    /// Ticks the font option of `fontChoice` (1 Arial, 2 Enlarge, else Normal).
    void showFontChoice(qint16 fontChoice);

    void onSoundOnToggled();
    void onSoundErrorsToggled();
    void onAutoLoadToggled() {}
    void onIgnoreSecondsToggled();
    void onInternalSpeakerToggled();
    void onSpeakerInsteadOfMidiToggled();
    void onFontChosen(int index);
    void onTestSpeakerClicked();
    void onNextPageClicked();
    void onCloseClicked();
    void onRunAtLoginClicked();
    void onNoRunAtLoginClicked();
    void onWakeToggled();
    /// The line saying how the computer is woken for alarms, or why it cannot be.
    void showWakeStatus();
    /// The close request: writes the "[Setting]" and "[AllFont]" slots.
    void storeSettings();

    // Page 1
    QGroupBox* m_soundFrame = nullptr;
    QCheckBox* m_soundOnCheck = nullptr;
    QLabel* m_soundOnLabel = nullptr;
    QCheckBox* m_soundErrorsCheck = nullptr;
    QLabel* m_soundErrorsLabel = nullptr;
    QCheckBox* m_autoLoadCheck = nullptr;
    QLabel* m_autoLoadLabel = nullptr;
    QCheckBox* m_ignoreSecondsCheck = nullptr;
    QLabel* m_ignoreSecondsLabel = nullptr;
    QGroupBox* m_speakerFrame = nullptr;
    QCheckBox* m_internalSpeakerCheck = nullptr;
    QLabel* m_internalSpeakerLabel = nullptr;
    QCheckBox* m_speakerInsteadOfMidiCheck = nullptr;
    QLabel* m_speakerInsteadOfMidiLabel = nullptr;
    QPushButton* m_testSpeakerButton = nullptr;
    QLabel* m_testSpeakerLabel = nullptr;
    QGroupBox* m_fontFrame = nullptr;
    /// m_fontOptions[1] "Use Arial font", m_fontOptions[2] "Enlarge", m_fontOptions[3] "Normal"; [0] is unused.
    std::array<QRadioButton*, 4> m_fontOptions{};
    // Page 2
    QGroupBox* m_loadAtLoginFrame = nullptr;
    QPushButton* m_runAtLoginButton = nullptr;
    QPushButton* m_noRunAtLoginButton = nullptr;
    QLabel* m_loadAtLoginLabel = nullptr;
    QGroupBox* m_wakeFrame = nullptr;
    QCheckBox* m_wakeCheck = nullptr;
    QLabel* m_wakeLabel = nullptr;
    QLabel* m_wakeStatusLabel = nullptr;
    // Both pages
    QPushButton* m_nextPageButton = nullptr;
    QPushButton* m_closeButton = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    /// The speaker test shows when both "Sound on" and the internal speaker box are checked.
    void updateSpeakerTest();
    void applyFontChoice();
    QList<QWidget*> captionedControls() const;
    void tellDone();

    WindowContext& m_context;
    AlarmWake& m_wake;
    bool m_unloaded = false;
};
