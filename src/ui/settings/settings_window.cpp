// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "ui/settings/settings_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/settings/settings_store.h"
#include "core/state/shared_state.h"
#include "core/state/translated.h"
#include "core/state/warnings.h"
#include "core/wake/alarm_wake.h"
#include "platform/autostart.h"
#include "platform/services.h"
#include "platform/window_services.h"
#include "ui/common/window_context.h"
#include "ui/common/window_font.h"
#include "ui/common/window_requests.h"

namespace {
const char* const kDone = QT_TRANSLATE_NOOP("SettingsWindow", "It is done!");

// A box without a caption of its own; the label beside it carries the text.
QCheckBox* bareBox(const QString& name, QWidget* parent)
{
    auto* box = new QCheckBox(parent);
    box->setAccessibleName(name);
    return box;
}

void addRow(QGridLayout* grid, QCheckBox* box, QLabel* label)
{
    const int row = grid->rowCount();
    label->setWordWrap(true);
    label->setBuddy(box);
    grid->addWidget(box, row, 0, Qt::AlignTop);
    grid->addWidget(label, row, 1);
}

qint16 stateOf(const QCheckBox* box)
{
    return box->isChecked() ? 1 : 0;
}
} // namespace

SettingsWindow::SettingsWindow(WindowContext& context, AlarmWake& wake, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_wake(wake)
{
    setWindowTitle(tr("Settings"));

    m_soundFrame = new QGroupBox(this);
    const QString soundOn = tr("Sound on");
    const QString premier = tr("Show error message if sound cannot be played");
    const QString autoLoad = tr("Automatically load alarm events when Tindalo starts");
    const QString noSec = tr("Don't compare with second");
    m_soundOnCheck = bareBox(soundOn, m_soundFrame);
    m_soundOnCheck->setChecked(true);
    m_soundOnLabel = new QLabel(soundOn, m_soundFrame);
    m_soundErrorsCheck = bareBox(premier, m_soundFrame);
    m_soundErrorsCheck->setChecked(true);
    m_soundErrorsLabel = new QLabel(premier, m_soundFrame);
    m_autoLoadCheck = bareBox(autoLoad, m_soundFrame);
    m_autoLoadLabel = new QLabel(autoLoad, m_soundFrame);
    m_ignoreSecondsCheck = bareBox(noSec, m_soundFrame);
    m_ignoreSecondsLabel = new QLabel(noSec, m_soundFrame);
    auto* grid2 = new QGridLayout(m_soundFrame);
    grid2->setColumnStretch(1, 1);
    addRow(grid2, m_soundOnCheck, m_soundOnLabel);
    addRow(grid2, m_soundErrorsCheck, m_soundErrorsLabel);
    addRow(grid2, m_autoLoadCheck, m_autoLoadLabel);
    addRow(grid2, m_ignoreSecondsCheck, m_ignoreSecondsLabel);

    m_speakerFrame = new QGroupBox(tr("Internal Speaker"), this);
    const QString internalSpeaker = tr("Use internal speaker instead of wave. (A necessary DLL file is "
                                       "needed , refer to trouble shooting in help.)");
    const QString insteadMidi = tr("When MCI is busy, use internal speaker instead of midi sound");
    m_internalSpeakerCheck = bareBox(internalSpeaker, m_speakerFrame);
    m_internalSpeakerLabel = new QLabel(internalSpeaker, m_speakerFrame);
    m_speakerInsteadOfMidiCheck = bareBox(insteadMidi, m_speakerFrame);
    m_speakerInsteadOfMidiLabel = new QLabel(insteadMidi, m_speakerFrame);
    m_testSpeakerButton = new QPushButton(m_speakerFrame);
    m_testSpeakerButton->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    m_testSpeakerButton->setAccessibleName(tr("test internal speaker"));
    m_testSpeakerButton->hide();
    m_testSpeakerLabel = new QLabel(tr("test internal speaker"), m_speakerFrame);
    m_testSpeakerLabel->hide();
    auto* grid1 = new QGridLayout(m_speakerFrame);
    grid1->setColumnStretch(1, 1);
    addRow(grid1, m_internalSpeakerCheck, m_internalSpeakerLabel);
    addRow(grid1, m_speakerInsteadOfMidiCheck, m_speakerInsteadOfMidiLabel);
    auto* testRow = new QHBoxLayout;
    testRow->addWidget(m_testSpeakerButton);
    testRow->addWidget(m_testSpeakerLabel);
    testRow->addStretch();
    grid1->addLayout(testRow, grid1->rowCount(), 0, 1, 2);

    m_fontFrame = new QGroupBox(tr("Font (it will take effect when Tindalo starts next time)"), this);
    m_fontOptions[1] = new QRadioButton(tr("Use Arial font"), m_fontFrame);
    m_fontOptions[2] = new QRadioButton(tr("Enlarge"), m_fontFrame);
    m_fontOptions[3] = new QRadioButton(tr("Normal"), m_fontFrame);
    auto* fonts = new QHBoxLayout(m_fontFrame);
    for (int i = 3; i >= 1; --i)
        fonts->addWidget(m_fontOptions[std::size_t(i)]);
    fonts->addStretch();

    //: the page that starts Ixo at log-in
    m_loadAtLoginFrame = new QGroupBox(tr("Load Me"), this);
    m_runAtLoginButton = new QPushButton(tr("Run Tindalo when Windows starts"), m_loadAtLoginFrame);
    m_noRunAtLoginButton = new QPushButton(tr("Don't run Tindalo when Windows starts"), m_loadAtLoginFrame);
    m_loadAtLoginLabel = new QLabel(m_loadAtLoginFrame);
    m_loadAtLoginLabel->setWordWrap(true);
    auto* loadMe = new QVBoxLayout(m_loadAtLoginFrame);
    loadMe->addWidget(m_runAtLoginButton);
    loadMe->addWidget(m_noRunAtLoginButton);
    loadMe->addWidget(m_loadAtLoginLabel);
    loadMe->addStretch();
    m_loadAtLoginFrame->hide();

    m_wakeFrame = new QGroupBox(this);
    const QString wakeCaption = tr("Wake the computer for alarms");
    m_wakeCheck = bareBox(wakeCaption, m_wakeFrame);
    m_wakeLabel = new QLabel(wakeCaption, m_wakeFrame);
    m_wakeStatusLabel = new QLabel(m_wakeFrame);
    m_wakeStatusLabel->setWordWrap(true);
    auto* wakeGrid = new QGridLayout(m_wakeFrame);
    wakeGrid->setColumnStretch(1, 1);
    addRow(wakeGrid, m_wakeCheck, m_wakeLabel);
    wakeGrid->addWidget(m_wakeStatusLabel, wakeGrid->rowCount(), 1);
    m_wakeFrame->hide();

    m_nextPageButton = new QPushButton(QStringLiteral(">"), this);
    QFont arial = m_nextPageButton->font();
    arial.setFamily(QStringLiteral("Arial"));
    arial.setStyleHint(QFont::SansSerif);
    m_nextPageButton->setFont(arial);
    m_closeButton = new QPushButton(tr("Close"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_nextPageButton);
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_soundFrame);
    layout->addWidget(m_speakerFrame);
    layout->addWidget(m_fontFrame);
    layout->addWidget(m_loadAtLoginFrame);
    layout->addWidget(m_wakeFrame);
    layout->addLayout(buttons);

    connect(m_soundOnCheck, &QCheckBox::toggled, this, &SettingsWindow::onSoundOnToggled);
    connect(m_soundErrorsCheck, &QCheckBox::toggled, this, &SettingsWindow::onSoundErrorsToggled);
    connect(m_autoLoadCheck, &QCheckBox::toggled, this, &SettingsWindow::onAutoLoadToggled);
    connect(m_ignoreSecondsCheck, &QCheckBox::toggled, this, &SettingsWindow::onIgnoreSecondsToggled);
    connect(m_internalSpeakerCheck, &QCheckBox::toggled, this, &SettingsWindow::onInternalSpeakerToggled);
    connect(m_speakerInsteadOfMidiCheck, &QCheckBox::toggled, this, &SettingsWindow::onSpeakerInsteadOfMidiToggled);
    for (int i = 1; i <= 3; ++i)
        connect(m_fontOptions[std::size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                onFontChosen(i);
        });
    connect(m_testSpeakerButton, &QPushButton::clicked, this, &SettingsWindow::onTestSpeakerClicked);
    connect(m_nextPageButton, &QPushButton::clicked, this, &SettingsWindow::onNextPageClicked);
    connect(m_closeButton, &QPushButton::clicked, this, &SettingsWindow::onCloseClicked);
    connect(m_runAtLoginButton, &QPushButton::clicked, this, &SettingsWindow::onRunAtLoginClicked);
    connect(m_noRunAtLoginButton, &QPushButton::clicked, this, &SettingsWindow::onNoRunAtLoginClicked);
    m_wakeCheck->setChecked(m_wake.isOn());
    showWakeStatus();
    connect(m_wakeCheck, &QCheckBox::toggled, this, &SettingsWindow::onWakeToggled);
    m_wake.statusChanged = [this] { showWakeStatus(); };
}

SettingsWindow::~SettingsWindow()
{
    m_wake.statusChanged = nullptr;
}

void SettingsWindow::setCheckState(QCheckBox* box, qint16 state)
{
    if (const std::optional<bool> on = storedCheck(state))
        box->setChecked(*on);
}

void SettingsWindow::showSoundChecks(qint16 soundOn, qint16 errMsgPop)
{
    setCheckState(m_soundOnCheck, soundOn);
    setCheckState(m_soundErrorsCheck, errMsgPop);
}

void SettingsWindow::showFontChoice(qint16 fontChoice)
{
    m_fontOptions[std::size_t(SettingsStore::fontOption(fontChoice))]->setChecked(true);
}

void SettingsWindow::load()
{
    SharedState& state = m_context.state;
    m_soundOnCheck->setChecked(state.soundOn);
    m_soundErrorsCheck->setChecked(state.showSoundErrors);
    showFontChoice(state.fontChoice);

    if (const std::optional<SettingChecks> stored = SettingsStore(state.settingsFile()).settingChecks()) {
        showSoundChecks(stored->soundOn, stored->showSoundErrors);
        m_autoLoadCheck->setChecked(stored->autoLoad);
        m_ignoreSecondsCheck->setChecked(stored->ignoreSeconds);
        m_internalSpeakerCheck->setChecked(stored->useInternalSpeaker);
        m_speakerInsteadOfMidiCheck->setChecked(stored->speakerInsteadOfMidi);
    }
    applyFontChoice();
}

QList<QWidget*> SettingsWindow::captionedControls() const
{
    return {
        m_speakerFrame,       m_soundFrame,       m_autoLoadLabel,  m_internalSpeakerLabel, m_speakerInsteadOfMidiLabel,
        m_ignoreSecondsLabel, m_soundErrorsLabel, m_soundOnLabel,   m_testSpeakerLabel,     m_closeButton,
        m_fontFrame,          m_fontOptions[1],   m_fontOptions[2], m_fontOptions[3]};
}

void SettingsWindow::applyFontChoice()
{
    applyWindowFont(captionedControls(), SettingsStore(m_context.state.settingsFile()).fontChoice());
}

void SettingsWindow::updateSpeakerTest()
{
    const bool show = m_internalSpeakerCheck->isChecked() && m_soundOnCheck->isChecked();
    m_testSpeakerButton->setVisible(show);
    m_testSpeakerLabel->setVisible(show);
}

void SettingsWindow::onSoundOnToggled()
{
    const bool on = m_soundOnCheck->isChecked();
    m_context.state.soundOn = on;
    m_soundErrorsCheck->setEnabled(on);
    updateSpeakerTest();
}

void SettingsWindow::onSoundErrorsToggled()
{
    m_context.state.showSoundErrors = m_soundErrorsCheck->isChecked();
}

void SettingsWindow::onIgnoreSecondsToggled()
{
    m_context.state.ignoreSeconds = m_ignoreSecondsCheck->isChecked();
    m_context.requests.noSecondChanged();
}

void SettingsWindow::onInternalSpeakerToggled()
{
    m_context.state.useInternalSpeaker = m_internalSpeakerCheck->isChecked();
    updateSpeakerTest();
}

void SettingsWindow::onSpeakerInsteadOfMidiToggled()
{
    m_context.state.speakerInsteadOfMidi = m_speakerInsteadOfMidiCheck->isChecked();
}

void SettingsWindow::onFontChosen(int index)
{
    m_context.state.fontChoice = qint16(index);
}

void SettingsWindow::onTestSpeakerClicked()
{
    m_context.requests.playSound(QStringLiteral("once"), m_context.state.alarmSoundPath);
}

void SettingsWindow::onNextPageClicked()
{
    const bool page1 = !m_speakerFrame->isHidden();
    m_speakerFrame->setVisible(!page1);
    m_soundFrame->setVisible(!page1);
    m_fontFrame->setVisible(!page1);
    m_loadAtLoginFrame->setVisible(page1);
    m_wakeFrame->setVisible(page1);
}

void SettingsWindow::onCloseClicked()
{
    close();
}

void SettingsWindow::tellDone()
{
    m_loadAtLoginLabel->setText(m_loadAtLoginLabel->text() + tr(kDone));
}

void SettingsWindow::onRunAtLoginClicked()
{
    QString error;
    if (m_context.services.autostart.enable(&error))
        tellDone();
    else
        m_context.warnings.warn(tr("Ixo could not be set to start at log-in: %1").arg(error));
    m_context.services.windows.beep();
}

void SettingsWindow::onNoRunAtLoginClicked()
{
    QString error;
    if (m_context.services.autostart.disable(&error))
        tellDone();
    else
        m_context.warnings.warn(tr("Ixo's start at log-in could not be removed: %1").arg(error));
    m_context.services.windows.beep();
}

void SettingsWindow::onWakeToggled()
{
    if (QString reason; !m_wake.setOn(m_wakeCheck->isChecked(), &reason))
        m_context.warnings.warn(tr("The wake setting could not be saved: %1").arg(reason));
}

void SettingsWindow::showWakeStatus()
{
    m_wakeStatusLabel->setText(translated(m_wake.statusText()));
}

void SettingsWindow::storeSettings()
{
    SharedState& state = m_context.state;
    const SettingChecks checks{.soundOn = stateOf(m_soundOnCheck),
                               .showSoundErrors = stateOf(m_soundErrorsCheck),
                               .autoLoad = m_autoLoadCheck->isChecked(),
                               .ignoreSeconds = m_ignoreSecondsCheck->isChecked(),
                               .useInternalSpeaker = m_internalSpeakerCheck->isChecked(),
                               .speakerInsteadOfMidi = m_speakerInsteadOfMidiCheck->isChecked()};
    const SettingsStore store(state.settingsFile());
    if (QString reason; !store.writeSettings(state.settingsRecord, checks, state.fontChoice, &reason))
        m_context.warnings.warn(tr("The settings could not be saved in %1: %2").arg(store.file().path(), reason));
}

void SettingsWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (m_unloaded)
        return;
    m_unloaded = true;
    storeSettings();
    hide();
    m_context.requests.settingsWindowClosed();
}
