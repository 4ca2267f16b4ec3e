// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "ui/tray/tray_controller.h"

#include <algorithm>

#include <QAction>
#include <QDateTime>
#include <QFileInfo>

#include "core/startup/startup_load.h"
#include "core/state/shared_state.h"
#include "core/state/warnings.h"
#include "platform/clock.h"
#include "platform/clock_jumps.h"
#include "platform/launcher.h"
#include "platform/services.h"
#include "platform/tray_icon.h"
#include "ui/common/window_context.h"
#include "ui/common/window_requests.h"

namespace {
constexpr int kTickMs = 800;
constexpr int kTrayWaitMs = 60000;
// The wake on an event's second comes this much after the second begins, so that the clock reads that second.
constexpr int kDueWakeSlackMs = 5;
// A day wake never waits longer than a day and an hour (a day that summer time lengthens).
constexpr qint64 kMaxDayWakeMs = 25 * 3600 * 1000;
} // namespace

TrayController::TrayController(WindowContext& context, StartupHooks& startup) : m_context(context), m_startup(startup)
{
    m_clockTimer.setInterval(kTickMs);
    m_clockTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_clockTimer, &QTimer::timeout, this, &TrayController::tick);
    m_dueWake.setSingleShot(true);
    m_dueWake.setTimerType(Qt::PreciseTimer);
    connect(&m_dueWake, &QTimer::timeout, this, &TrayController::tick);
    m_trayWait.setSingleShot(true);
    m_trayWait.setInterval(kTrayWaitMs);
    connect(&m_trayWait, &QTimer::timeout, this, [this] { m_context.requests.showTrayFallback(); });
    m_dayWake.setSingleShot(true);
    m_dayWake.setTimerType(Qt::PreciseTimer); // a coarse timer may come early by a twentieth of its hours
    connect(&m_dayWake, &QTimer::timeout, this, &TrayController::onDayWake);
    buildMenu();
    m_context.state.clockWorkChanged = [this] { updateClockTimer(); };
}

TrayController::~TrayController()
{
    m_context.state.clockWorkChanged = nullptr;
    m_context.services.clockJumps.onJump = nullptr;
    m_context.services.tray.onHostChanged = nullptr;
}

void TrayController::armDayWake()
{
    const QDateTime now = m_context.services.clock.now();
    const qint64 untilMidnight = now.msecsTo(now.date().addDays(1).startOfDay()) + kDueWakeSlackMs;
    m_dayWake.start(static_cast<int>(std::clamp<qint64>(untilMidnight, 1, kMaxDayWakeMs)));
}

void TrayController::onDayWake()
{
    if (onDateCheck && !m_disableAction->isChecked())
        onDateCheck();
    armDayWake();
}

void TrayController::updateClockTimer()
{
    const SharedState& state = m_context.state;
    m_holds.set(ClockHolds::Reason::Disabled, m_disableAction->isChecked());
    m_holds.set(ClockHolds::Reason::Idle, !state.clockActive() && !state.speakerRepeat());
    if (m_holds.isFree()) {
        if (!m_clockTimer.isActive())
            m_clockTimer.start();
    } else {
        m_clockTimer.stop();
        m_dueWake.stop();
    }
}

void TrayController::tick()
{
    if (!onTick)
        return;
    const int untilDue = onTick();
    if (m_clockTimer.isActive() && untilDue >= 0 && untilDue < m_clockTimer.interval())
        m_dueWake.start(untilDue + kDueWakeSlackMs);
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
    m_menu.setTitle(QStringLiteral("Popup"));
    // The menu's entries stand a little apart from the menu's edges.
    auto menuText = [](const QString& caption) { return QLatin1Char(' ') + caption + QStringLiteral("  "); };
    auto item = [this](const QString& caption, void (TrayController::*handler)()) {
        QAction* action = m_menu.addAction(caption);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    m_aboutAction = item(menuText(tr("About")), &TrayController::onAboutTriggered);
    m_menu.addSeparator();
    m_alarmSetAction = item(menuText(tr("Alarm Set")), &TrayController::onAlarmSetTriggered);
    m_scheduleAction = item(menuText(tr("Schedule")), &TrayController::onScheduleTriggered);
    m_settingsAction = item(menuText(tr("Settings")), &TrayController::onSettingsTriggered);
    m_wallpaperAction = item(menuText(tr("Wallpaper")), &TrayController::onWallpaperTriggered);
    m_menu.addSeparator();
    m_helpAction = item(menuText(tr("Help")), &TrayController::onHelpTriggered);
    m_stopAction = item(menuText(tr("Stop", "the sounding alarm")), &TrayController::onStopTriggered);
    m_menu.addSeparator();
    m_disableAction = item(menuText(tr("Disable")), &TrayController::onDisableTriggered);
    m_disableAction->setCheckable(true);
    m_removeAction = item(menuText(tr("Remove")), &TrayController::onRemoveTriggered);

    // While a sound error box is open the tray is not handled: its menu closes as soon as it opens.
    connect(&m_menu, &QMenu::aboutToShow, this, [this] {
        if (!m_context.state.trayActive)
            QTimer::singleShot(0, &m_menu, &QMenu::close);
    });
}

void TrayController::start(const QString& programFolder, const QString& sharedFolder)
{
    SharedState& state = m_context.state;
    state.appPath = appPathFromFolder(programFolder);
    state.sharePath = sharedFolder.isEmpty() ? state.appPath : appPathFromFolder(sharedFolder);
    loadStartupSettings(state, m_startup);

    TrayIcon& tray = m_context.services.tray;
    tray.onActivated = [this](TrayIcon::Activation activation) {
        if (!m_context.state.trayActive)
            return;
        if (activation == TrayIcon::Activation::Trigger)
            onStopTriggered();
        // The context menu is shown by the tray itself; every other activation is ignored.
    };
    addTrayIcon();
    m_holds.release(ClockHolds::Reason::Starting);
    updateClockTimer();
    m_context.services.clockJumps.onJump = [this] { onDayWake(); };
    armDayWake();
}

TrayIcon::Picture TrayController::trayPicture() const
{
    return m_disableAction->isChecked() ? TrayIcon::Picture::Disabled : TrayIcon::Picture::Normal;
}

void TrayController::addTrayIcon()
{
    TrayIcon& tray = m_context.services.tray;
    tray.add(trayPicture(), QStringLiteral("Ixo"), &m_menu);
    // The panel may start after Ixo at log-in, or end and start again later: the desktop tells when it comes or
    // goes; while there is none, after a while the menu gets a window of its own.
    tray.onHostChanged = [this] { onTrayHostChanged(); };
    if (!tray.isAvailable())
        m_trayWait.start();
}

void TrayController::onTrayHostChanged()
{
    TrayIcon& tray = m_context.services.tray;
    if (!tray.isAvailable()) {
        // Gone: the menu's window comes after the wait, counted from the first word of it.
        if (!m_trayWait.isActive())
            m_trayWait.start();
        return;
    }
    m_trayWait.stop();
    tray.add(trayPicture(), QStringLiteral("Ixo"), &m_menu);
    m_context.requests.hideTrayFallback();
}

void TrayController::onAboutTriggered()
{
    m_context.requests.showAboutWindow();
}

void TrayController::onAlarmSetTriggered()
{
    m_context.state.alarmSetOpen = true;
    m_context.requests.showAlarmSetWindow();
}

void TrayController::onScheduleTriggered()
{
    m_context.requests.showScheduleWindow();
}

void TrayController::onSettingsTriggered()
{
    m_context.requests.showSettingsWindow();
}

void TrayController::onWallpaperTriggered()
{
    m_context.requests.showWallpaperWindow();
}

void TrayController::onHelpTriggered()
{
    const QString path = m_context.state.deliveredFile(QStringLiteral("help/achelp.html"));
    // Where nothing opens web pages the user is told where the page is, to open it by hand.
    if (QFileInfo(path).isFile())
        m_context.services.launcher.openFile(path, [this, path, alive = QPointer<TrayController>(this)] {
            if (alive)
                m_context.warnings.warn(
                    tr("The help page could not be opened; open it in a web browser: %1").arg(path));
        });
    else
        m_context.warnings.warn(tr("Help file not found"));
}

void TrayController::onStopTriggered()
{
    m_context.requests.stopSound();
}

void TrayController::onDisableTriggered()
{
    // The action toggles its own check mark when picked from the menu. Enabled again, the date is looked at before
    // anything else: a day that began while disabled brings its plan, and the clock runs for it.
    if (!m_disableAction->isChecked() && onDateCheck)
        onDateCheck();
    TrayIcon& tray = m_context.services.tray;
    updateClockTimer();
    tray.modify(trayPicture());
}

void TrayController::onRemoveTriggered()
{
    m_context.services.tray.remove();
    quit();
}

void TrayController::quit()
{
    m_context.requests.endProgram();
}
