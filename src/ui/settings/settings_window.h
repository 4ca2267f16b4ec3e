// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <array>

#include <QWidget>

struct WindowContext;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The Settings window: sound options, seconds comparison, internal speaker, window font, and start at log-in.
// Its boxes set the program-wide settings flags whenever their state changes; closing it writes the settings
// file.
class SettingsWindow final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SettingsWindow)
public:
    explicit SettingsWindow(WindowContext& context, QWidget* parent = nullptr);
    ~SettingsWindow() override;

    /// Sets the boxes from the flags and the settings file (their change handling runs) and applies the font
    /// choice. Runs once, before the window is first shown.
    void Form_Load();
    /// Sets `box` to the stored state `state`: 0 unchecked, 1 checked; other values leave it as it is.
    static void setCheckState(QCheckBox* box, qint16 state);
    /// Sets "Sound on" and "Show error message..." to the stored states (0 or 1; others leave a box).
    void showSoundChecks(qint16 chkSoundOn, qint16 chkErrMsgPop);
    /// Ticks the font option of `iFontChoice` (1 Arial, 2 Enlarge, else Normal).
    void showFontChoice(qint16 iFontChoice);

    void chkSoundOn_Click();
    void chkErrMsgPop_Click();
    void chkAutoLoad_Click() {}
    void chkNoSec_Click();
    void chkInternalSpeaker_Click();
    void chkISInsteadMidi_Click();
    void optFont_Click(int index);
    void cmdPlayIS_Click();
    void cmdNext_Click();
    void cmdClose_Click();
    void cmdRun_Click();
    void cmdNoRun_Click();
    /// The close request: writes the "[Setting]" and "[AllFont]" slots.
    void Form_Unload();

    // Page 1
    QGroupBox* Frame2 = nullptr;
    QCheckBox* chkSoundOn = nullptr;
    QLabel* lblSoundOn = nullptr;
    QCheckBox* chkErrMsgPop = nullptr;
    QLabel* lblPremier = nullptr;
    QCheckBox* chkAutoLoad = nullptr;
    QLabel* lblAutoLoad = nullptr;
    QCheckBox* chkNoSec = nullptr;
    QLabel* lblNoSec = nullptr;
    QGroupBox* Frame1 = nullptr;
    QCheckBox* chkInternalSpeaker = nullptr;
    QLabel* lblInternalSpeaker = nullptr;
    QCheckBox* chkISInsteadMidi = nullptr;
    QLabel* lblISpeakerInsteadMidi = nullptr;
    QPushButton* cmdPlayIS = nullptr;
    QLabel* lblTest = nullptr;
    QGroupBox* Frame3 = nullptr;
    /// optFont[1] "Use Arial font", optFont[2] "Enlarge", optFont[3] "Normal"; [0] is unused.
    std::array<QRadioButton*, 4> optFont{};
    // Page 2
    QGroupBox* fraLoadIxo = nullptr;
    QPushButton* cmdRun = nullptr;
    QPushButton* cmdNoRun = nullptr;
    QLabel* lblLoadIxo = nullptr;
    // Both pages
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    /// The speaker test shows when both "Sound on" and the internal speaker box are checked.
    void testRule();
    void LoadFontSetting();
    QList<QWidget*> captionedControls() const;
    void itIsDone();

    WindowContext& m_ctx;
    bool m_unloaded = false;
};
