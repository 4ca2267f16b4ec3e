// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "ui/tray/tray_controller.h"

#include <QAction>
#include <QFileInfo>

#include "core/startup/startup_load.h"
#include "core/state/shared_state.h"
#include "core/state/warnings.h"
#include "platform/launcher.h"
#include "platform/services.h"
#include "platform/tray_icon.h"
#include "ui/common/window_context.h"
#include "ui/common/window_requests.h"

namespace {
constexpr int kTickMs = 800;
constexpr int kTrayPollMs = 2000;
// The wake on an event's second comes this much after the second begins, so that the clock reads that second.
constexpr int kDueWakeSlackMs = 5;
} // namespace

TrayController::TrayController(WindowContext& context) : m_ctx(context)
{
    Timer1.setInterval(kTickMs);
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &TrayController::tick);
    dueWake.setSingleShot(true);
    dueWake.setTimerType(Qt::PreciseTimer);
    connect(&dueWake, &QTimer::timeout, this, &TrayController::tick);
    m_trayWait.setInterval(kTrayPollMs);
    connect(&m_trayWait, &QTimer::timeout, this, &TrayController::waitForTray);
    buildMenu();
    m_ctx.state.clockWorkChanged = [this] { updateClockTimer(); };
}

TrayController::~TrayController()
{
    m_ctx.state.clockWorkChanged = nullptr;
}

void TrayController::updateClockTimer()
{
    const SharedState& state = m_ctx.state;
    m_holds.set(ClockHolds::Reason::Disabled, mDisable->isChecked());
    m_holds.set(ClockHolds::Reason::Idle, state.bClockActive() != kTrue && state.bISRepeat() != kTrue);
    if (m_holds.isFree()) {
        if (!Timer1.isActive())
            Timer1.start();
    } else {
        Timer1.stop();
        dueWake.stop();
    }
}

void TrayController::tick()
{
    if (!onTick)
        return;
    const int untilDue = onTick();
    if (Timer1.isActive() && untilDue >= 0 && untilDue < Timer1.interval())
        dueWake.start(untilDue + kDueWakeSlackMs);
}

void TrayController::holdClock()
{
    m_holds.hold(ClockHolds::Reason::SoundBox);
    updateClockTimer();
}

void TrayController::releaseClock()
{
    m_holds.release(ClockHolds::Reason::SoundBox);
    updateClockTimer();
}

void TrayController::buildMenu()
{
    mPopup.setTitle(QStringLiteral("Popup"));
    auto item = [this](const QString& caption, void (TrayController::*handler)()) {
        QAction* action = mPopup.addAction(caption);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    mOpen = item(QStringLiteral(" About  "), &TrayController::mOpen_Click);
    mPopup.addSeparator();
    mAlarmSet = item(QStringLiteral(" Alarm Set  "), &TrayController::mAlarmSet_Click);
    mSetting = item(QStringLiteral(" Settings  "), &TrayController::mSetting_Click);
    mWallpaper = item(QStringLiteral(" Wallpaper  "), &TrayController::mWallpaper_Click);
    mPopup.addSeparator();
    mHelp = item(QStringLiteral(" Help  "), &TrayController::mHelp_Click);
    mStop = item(QStringLiteral(" Stop  "), &TrayController::mStop_Click);
    mPopup.addSeparator();
    mDisable = item(QStringLiteral(" Disable  "), &TrayController::mDisable_Click);
    mDisable->setCheckable(true);
    mRemove = item(QStringLiteral(" Remove  "), &TrayController::mRemove_Click);

    // While a sound error box is open the tray is not handled: its menu closes as soon as it opens.
    connect(&mPopup, &QMenu::aboutToShow, this, [this] {
        if (m_ctx.state.bTrayActive == kFalse)
            QTimer::singleShot(0, &mPopup, &QMenu::close);
    });
}

void TrayController::Form_Load(const QString& programFolder, const QString& sharedFolder)
{
    SharedState& state = m_ctx.state;
    state.strAppPath = appPathFromFolder(programFolder);
    state.strSharePath = sharedFolder.isEmpty() ? state.strAppPath : appPathFromFolder(sharedFolder);
    fForm1Load(state, m_ctx.startup);

    TrayIcon& tray = m_ctx.services.tray;
    tray.onActivated = [this](TrayIcon::Activation activation) {
        if (m_ctx.state.bTrayActive == kFalse)
            return;
        if (activation == TrayIcon::Activation::Trigger)
            mStop_Click();
        // The context menu is shown by the tray itself; every other activation is ignored.
    };
    addTrayIcon();
    m_holds.release(ClockHolds::Reason::Starting);
    updateClockTimer();
}

void TrayController::addTrayIcon()
{
    TrayIcon& tray = m_ctx.services.tray;
    tray.add(mDisable->isChecked() ? TrayIcon::Picture::Disabled : TrayIcon::Picture::Normal, QStringLiteral("Ixo"),
             &mPopup);
    if (!tray.isAvailable()) {
        // The panel may start after Ixo at log-in: keep looking for a while before standing in for it.
        m_trayWaited = 0;
        m_trayWait.start();
    }
}

void TrayController::waitForTray()
{
    TrayIcon& tray = m_ctx.services.tray;
    if (tray.isAvailable()) {
        m_trayWait.stop();
        tray.add(mDisable->isChecked() ? TrayIcon::Picture::Disabled : TrayIcon::Picture::Normal, QStringLiteral("Ixo"),
                 &mPopup);
        m_ctx.requests.hideTrayFallback();
        return;
    }
    m_trayWaited += m_trayWait.interval();
    if (m_trayWaited >= m_trayWaitLimit)
        m_ctx.requests.showTrayFallback();
}

void TrayController::mOpen_Click()
{
    m_ctx.requests.showAboutWindow();
}

void TrayController::mAlarmSet_Click()
{
    m_ctx.state.bAlarmSetOpen = kTrue;
    m_ctx.requests.showAlarmSetWindow();
}

void TrayController::mSetting_Click()
{
    m_ctx.requests.showSettingsWindow();
}

void TrayController::mWallpaper_Click()
{
    m_ctx.requests.showWallpaperWindow();
}

void TrayController::mHelp_Click()
{
    const QString path = m_ctx.state.deliveredFile(QStringLiteral("help/achelp.html"));
    if (QFileInfo(path).isFile())
        m_ctx.services.launcher.openFile(path);
    else
        m_ctx.warnings.AnswerOk(QStringLiteral("Help file not found"));
}

void TrayController::mStop_Click()
{
    m_ctx.requests.StopSound();
}

void TrayController::mDisable_Click()
{
    // The action toggles its own check mark when picked from the menu.
    TrayIcon& tray = m_ctx.services.tray;
    updateClockTimer();
    tray.modify(mDisable->isChecked() ? TrayIcon::Picture::Disabled : TrayIcon::Picture::Normal);
}

void TrayController::mRemove_Click()
{
    m_ctx.services.tray.remove();
    Form_QueryUnload();
}

void TrayController::Form_QueryUnload()
{
    m_ctx.requests.endProgram();
}
