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
#include "core/state/warnings.h"
#include "platform/autostart.h"
#include "platform/services.h"
#include "platform/window_services.h"
#include "ui/common/window_context.h"
#include "ui/common/window_font.h"
#include "ui/common/window_requests.h"

namespace {
const QString kDone = QStringLiteral("It is done!");

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

SettingsWindow::SettingsWindow(WindowContext& context, QWidget* parent) : QWidget(parent, Qt::Window), m_ctx(context)
{
    setWindowTitle(QStringLiteral("Settings"));

    Frame2 = new QGroupBox(this);
    const QString soundOn = QStringLiteral("Sound on");
    const QString premier = QStringLiteral("Show error message if sound cannot be played");
    const QString autoLoad = QStringLiteral("Automatically load alarm events when Tindalo starts");
    const QString noSec = QStringLiteral("Don't compare with second");
    chkSoundOn = bareBox(soundOn, Frame2);
    chkSoundOn->setChecked(true);
    lblSoundOn = new QLabel(soundOn, Frame2);
    chkErrMsgPop = bareBox(premier, Frame2);
    chkErrMsgPop->setChecked(true);
    lblPremier = new QLabel(premier, Frame2);
    chkAutoLoad = bareBox(autoLoad, Frame2);
    lblAutoLoad = new QLabel(autoLoad, Frame2);
    chkNoSec = bareBox(noSec, Frame2);
    lblNoSec = new QLabel(noSec, Frame2);
    auto* grid2 = new QGridLayout(Frame2);
    grid2->setColumnStretch(1, 1);
    addRow(grid2, chkSoundOn, lblSoundOn);
    addRow(grid2, chkErrMsgPop, lblPremier);
    addRow(grid2, chkAutoLoad, lblAutoLoad);
    addRow(grid2, chkNoSec, lblNoSec);

    Frame1 = new QGroupBox(QStringLiteral("Internal Speaker"), this);
    const QString internalSpeaker = QStringLiteral("Use internal speaker instead of wave. (A necessary DLL file is "
                                                   "needed , refer to trouble shooting in help.)");
    const QString insteadMidi = QStringLiteral("When MCI is busy, use internal speaker instead of midi sound");
    chkInternalSpeaker = bareBox(internalSpeaker, Frame1);
    lblInternalSpeaker = new QLabel(internalSpeaker, Frame1);
    chkISInsteadMidi = bareBox(insteadMidi, Frame1);
    lblISpeakerInsteadMidi = new QLabel(insteadMidi, Frame1);
    cmdPlayIS = new QPushButton(Frame1);
    cmdPlayIS->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    cmdPlayIS->setAccessibleName(QStringLiteral("test internal speaker"));
    cmdPlayIS->hide();
    lblTest = new QLabel(QStringLiteral("test internal speaker"), Frame1);
    lblTest->hide();
    auto* grid1 = new QGridLayout(Frame1);
    grid1->setColumnStretch(1, 1);
    addRow(grid1, chkInternalSpeaker, lblInternalSpeaker);
    addRow(grid1, chkISInsteadMidi, lblISpeakerInsteadMidi);
    auto* testRow = new QHBoxLayout;
    testRow->addWidget(cmdPlayIS);
    testRow->addWidget(lblTest);
    testRow->addStretch();
    grid1->addLayout(testRow, grid1->rowCount(), 0, 1, 2);

    Frame3 = new QGroupBox(QStringLiteral("Font (it will take effect when Tindalo starts next time)"), this);
    optFont[1] = new QRadioButton(QStringLiteral("Use Arial font"), Frame3);
    optFont[2] = new QRadioButton(QStringLiteral("Enlarge"), Frame3);
    optFont[3] = new QRadioButton(QStringLiteral("Normal"), Frame3);
    auto* fonts = new QHBoxLayout(Frame3);
    for (int i = 3; i >= 1; --i)
        fonts->addWidget(optFont[std::size_t(i)]);
    fonts->addStretch();

    fraLoadIxo = new QGroupBox(QStringLiteral("Load Me"), this);
    cmdRun = new QPushButton(QStringLiteral("Run Tindalo when Windows starts"), fraLoadIxo);
    cmdNoRun = new QPushButton(QStringLiteral("Don't run Tindalo when Windows starts"), fraLoadIxo);
    lblLoadIxo = new QLabel(fraLoadIxo);
    lblLoadIxo->setWordWrap(true);
    auto* loadMe = new QVBoxLayout(fraLoadIxo);
    loadMe->addWidget(cmdRun);
    loadMe->addWidget(cmdNoRun);
    loadMe->addWidget(lblLoadIxo);
    loadMe->addStretch();
    fraLoadIxo->hide();

    cmdNext = new QPushButton(QStringLiteral(">"), this);
    QFont arial = cmdNext->font();
    arial.setFamily(QStringLiteral("Arial"));
    arial.setStyleHint(QFont::SansSerif);
    cmdNext->setFont(arial);
    cmdClose = new QPushButton(QStringLiteral("Close"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdNext);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame2);
    layout->addWidget(Frame1);
    layout->addWidget(Frame3);
    layout->addWidget(fraLoadIxo);
    layout->addLayout(buttons);

    connect(chkSoundOn, &QCheckBox::toggled, this, &SettingsWindow::chkSoundOn_Click);
    connect(chkErrMsgPop, &QCheckBox::toggled, this, &SettingsWindow::chkErrMsgPop_Click);
    connect(chkAutoLoad, &QCheckBox::toggled, this, &SettingsWindow::chkAutoLoad_Click);
    connect(chkNoSec, &QCheckBox::toggled, this, &SettingsWindow::chkNoSec_Click);
    connect(chkInternalSpeaker, &QCheckBox::toggled, this, &SettingsWindow::chkInternalSpeaker_Click);
    connect(chkISInsteadMidi, &QCheckBox::toggled, this, &SettingsWindow::chkISInsteadMidi_Click);
    for (int i = 1; i <= 3; ++i)
        connect(optFont[std::size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optFont_Click(i);
        });
    connect(cmdPlayIS, &QPushButton::clicked, this, &SettingsWindow::cmdPlayIS_Click);
    connect(cmdNext, &QPushButton::clicked, this, &SettingsWindow::cmdNext_Click);
    connect(cmdClose, &QPushButton::clicked, this, &SettingsWindow::cmdClose_Click);
    connect(cmdRun, &QPushButton::clicked, this, &SettingsWindow::cmdRun_Click);
    connect(cmdNoRun, &QPushButton::clicked, this, &SettingsWindow::cmdNoRun_Click);
}

SettingsWindow::~SettingsWindow() = default;

void SettingsWindow::setCheckState(QCheckBox* box, qint16 state)
{
    if (const std::optional<bool> on = storedCheck(state))
        box->setChecked(*on);
}

void SettingsWindow::showSoundChecks(qint16 soundOn, qint16 errMsgPop)
{
    setCheckState(chkSoundOn, soundOn);
    setCheckState(chkErrMsgPop, errMsgPop);
}

void SettingsWindow::showFontChoice(qint16 iFontChoice)
{
    optFont[std::size_t(SettingsStore::fontOption(iFontChoice))]->setChecked(true);
}

void SettingsWindow::Form_Load()
{
    SharedState& state = m_ctx.state;
    chkSoundOn->setChecked(state.bSoundOn == kTrue);
    chkErrMsgPop->setChecked(state.bErrMsgPop == kTrue);
    showFontChoice(state.iFontChoice);

    if (const std::optional<SettingChecks> stored = SettingsStore(state.settingsFile()).settingChecks()) {
        showSoundChecks(stored->chkSoundOn, stored->chkErrMsgPop);
        chkAutoLoad->setChecked(stored->chkAutoLoad);
        chkNoSec->setChecked(stored->chkNoSec);
        chkInternalSpeaker->setChecked(stored->chkInternalSpeaker);
        chkISInsteadMidi->setChecked(stored->chkISInsteadMidi);
    }
    LoadFontSetting();
}

QList<QWidget*> SettingsWindow::captionedControls() const
{
    return {Frame1,
            Frame2,
            lblAutoLoad,
            lblInternalSpeaker,
            lblISpeakerInsteadMidi,
            lblNoSec,
            lblPremier,
            lblSoundOn,
            lblTest,
            cmdClose,
            Frame3,
            optFont[1],
            optFont[2],
            optFont[3]};
}

void SettingsWindow::LoadFontSetting()
{
    applyWindowFont(captionedControls(), SettingsStore(m_ctx.state.settingsFile()).fontChoice());
}

void SettingsWindow::testRule()
{
    const bool show = chkInternalSpeaker->isChecked() && chkSoundOn->isChecked();
    cmdPlayIS->setVisible(show);
    lblTest->setVisible(show);
}

void SettingsWindow::chkSoundOn_Click()
{
    const bool on = chkSoundOn->isChecked();
    m_ctx.state.bSoundOn = toFlag(on);
    chkErrMsgPop->setEnabled(on);
    testRule();
}

void SettingsWindow::chkErrMsgPop_Click()
{
    m_ctx.state.bErrMsgPop = toFlag(chkErrMsgPop->isChecked());
}

void SettingsWindow::chkNoSec_Click()
{
    m_ctx.state.bNoSecond = toFlag(chkNoSec->isChecked());
    m_ctx.requests.noSecondChanged();
}

void SettingsWindow::chkInternalSpeaker_Click()
{
    m_ctx.state.bUseInternalSpeaker = toFlag(chkInternalSpeaker->isChecked());
    testRule();
}

void SettingsWindow::chkISInsteadMidi_Click()
{
    m_ctx.state.bISInsteadMidi = toFlag(chkISInsteadMidi->isChecked());
}

void SettingsWindow::optFont_Click(int index)
{
    m_ctx.state.iFontChoice = qint16(index);
}

void SettingsWindow::cmdPlayIS_Click()
{
    m_ctx.requests.PlaySound(QStringLiteral("once"), m_ctx.state.strSongPath);
}

void SettingsWindow::cmdNext_Click()
{
    const bool page1 = !Frame1->isHidden();
    Frame1->setVisible(!page1);
    Frame2->setVisible(!page1);
    Frame3->setVisible(!page1);
    fraLoadIxo->setVisible(page1);
}

void SettingsWindow::cmdClose_Click()
{
    close();
}

void SettingsWindow::itIsDone()
{
    lblLoadIxo->setText(lblLoadIxo->text() + kDone);
}

void SettingsWindow::cmdRun_Click()
{
    QString error;
    if (m_ctx.services.autostart.enable(&error))
        itIsDone();
    else
        m_ctx.warnings.AnswerOk(QStringLiteral("Ixo could not be set to start at log-in: ") + error);
    m_ctx.services.windows.beep();
}

void SettingsWindow::cmdNoRun_Click()
{
    QString error;
    if (m_ctx.services.autostart.disable(&error))
        itIsDone();
    else
        m_ctx.warnings.AnswerOk(QStringLiteral("Ixo's start at log-in could not be removed: ") + error);
    m_ctx.services.windows.beep();
}

void SettingsWindow::Form_Unload()
{
    SharedState& state = m_ctx.state;
    const SettingChecks checks{.chkSoundOn = stateOf(chkSoundOn),
                               .chkErrMsgPop = stateOf(chkErrMsgPop),
                               .chkAutoLoad = chkAutoLoad->isChecked(),
                               .chkNoSec = chkNoSec->isChecked(),
                               .chkInternalSpeaker = chkInternalSpeaker->isChecked(),
                               .chkISInsteadMidi = chkISInsteadMidi->isChecked()};
    const SettingsStore store(state.settingsFile());
    if (QString reason; !store.writeSettings(state.recIni, checks, state.iFontChoice, &reason))
        m_ctx.warnings.AnswerOk(QStringLiteral("The settings could not be saved in ") + store.file().path() +
                                QStringLiteral(": ") + reason);
}

void SettingsWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (m_unloaded)
        return;
    m_unloaded = true;
    Form_Unload();
    hide();
    m_ctx.requests.settingsWindowClosed();
}
