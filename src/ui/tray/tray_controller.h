// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include "core/clock/clock_holds.h"
#include "platform/tray_icon.h"

struct WindowContext;
class StartupHooks;
class QAction;

// The hidden main window: owns the tray icon and its menu, the 800 ms clock timer, and the program's start.
class TrayController final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayController)
public:
    TrayController(WindowContext& context, StartupHooks& startup);
    ~TrayController() override;

    /// Start-up: the program folder, the start-up load, the tray icon. `sharedFolder` holds the delivered sounds
    /// and help page when they are not in the program folder (an installed Ixo); empty means the program folder.
    void start(const QString& programFolder, const QString& sharedFolder = QString());

    // Menu items, in menu order.
    QMenu m_menu;
    QAction* m_aboutAction = nullptr;
    QAction* m_alarmSetAction = nullptr;
    QAction* m_scheduleAction = nullptr;
    QAction* m_settingsAction = nullptr;
    QAction* m_wallpaperAction = nullptr;
    QAction* m_helpAction = nullptr;
    QAction* m_stopAction = nullptr;
    QAction* m_disableAction = nullptr;
    QAction* m_removeAction = nullptr;

    /// The clock: ticks every 800 ms while the clock work is active or a speaker alarm repeats, unless the
    /// program is disabled or a sound error box holds it; otherwise it is stopped, so an idle Ixo sleeps.
    QTimer m_clockTimer;
    /// What a tick does; the alarm engine sets it. It returns the milliseconds until the next event is due
    /// (-1: none known), so that an event due before the next beat is fired on its second by one extra tick.
    std::function<int()> onTick;
    /// The extra tick on the second of an event due before the next beat.
    QTimer m_dueWake;
    /// Looks whether the date has changed (the every-day plan); the alarm engine sets it.
    std::function<void()> onDateCheck;
    /// The wake at the next midnight, also while the clock idles: the date is looked at then and after every clock
    /// jump (set, synchronised, resumed), except while Ixo is disabled (its first tick then looks).
    QTimer m_dayWake;

    void onAboutTriggered();
    void onAlarmSetTriggered();
    void onScheduleTriggered();
    void onSettingsTriggered();
    void onWallpaperTriggered();
    void onHelpTriggered();
    void onStopTriggered();
    void onDisableTriggered();
    void onRemoveTriggered();

    /// A sound error box holds the clock while it is open, and gives back its hold when closed.
    void holdClock();
    void releaseClock();

    /// A close request of the main window (log-out, SIGTERM): the program ends at once.
    void quit();

    /// How long to wait for a notification area before showing the menu in a window of its own.
    void setTrayWaitLimit(int milliseconds) { m_trayWait.setInterval(milliseconds); }

private:
    void buildMenu();
    void addTrayIcon();
    /// The icon's picture: crossed out while the program is disabled.
    TrayIcon::Picture trayPicture() const;
    /// The desktop says its notification area came or went: when it came, the icon goes there and the menu's window
    /// away; when it went, the menu's window comes after the wait.
    void onTrayHostChanged();
    /// Sets the day wake to the coming midnight of the clock.
    void armDayWake();
    void onDayWake();
    /// Brings the Disable and idle holds up to date, then starts m_clockTimer when nothing holds the clock and stops it
    /// otherwise; a running timer keeps its beat.
    void updateClockTimer();
    /// One tick of the clock, from the beat or from the wake on an event's second.
    void tick();

    WindowContext& m_context;
    StartupHooks& m_startup;
    /// The wait for a notification area; the menu gets a window of its own when it ends.
    QTimer m_trayWait;
    ClockHolds m_holds;
};
