// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>
#include <QTime>
#include <QtGlobal>

struct SharedState;
struct AlarmLists;
class Clock;

// What the clock tick asks of the rest of the program: sounds, windows, and the chime and wallpaper
// set-ups that belong to their windows.
class TickActions
{
public:
    virtual ~TickActions() = default;
    /// Plays the alarm sound `sSoundName` as often as `strTimes` says ("once", "twice", "thrice", "repeat").
    virtual void PlaySound(const QString& strTimes, const QString& sSoundName) = 0;
    /// One sweep of the repeating internal-speaker alarm.
    virtual void InternalSpeaker() = 0;
    /// A new alarm message window on top, showing `text`.
    virtual void openMessageWindow(const QString& text) = 0;
    /// Plays the chime file at `path` once, without waiting.
    virtual void playChime(const QString& path) = 0;
    /// Computes the chime interval and mark afresh from the chime set-up.
    virtual void chkEMPlay_Click() = 0;
    /// Changes the wallpaper now and moves the wallpaper mark on.
    virtual void EMShowToShow() = 0;
    /// Computes the wallpaper schedule afresh (`bWPCatchUp` is -1 during the call), then unloads the wallpaper
    /// window unless the user has it open.
    virtual void chkChange_Click() = 0;
    /// Unloads the Alarm Set window and drops its two lists (the alarm list is empty by then).
    virtual void unloadAlarmSetWindow() = 0;
};

// The 800 ms clock tick: fires the next alarm event when its time comes (late and without sound when its
// time has passed unseen), keeps the chime and the wallpaper marks in line, and lets the clock go idle when
// nothing is left to watch. It reads the time only through `Clock` and looks only at the head of the list.
class ClockTick final
{
public:
    ClockTick(SharedState& state, AlarmLists& lists, const Clock& clock, TickActions& actions);

    /// One tick. A tick that starts while another is still running (a sound call that lets pending events
    /// run) does nothing.
    void Timer1_Timer();

    /// Milliseconds from now until the second of the next event begins ("hh:mm" counts from hh:mm:00), or -1
    /// when the clock work is idle, no event is known or its second has begun. The clock uses it to wake on
    /// that second instead of up to one beat later.
    int msUntilNextEvent() const;

    /// What the catch-up check does with a chime mark.
    enum class ChimeCatchUp { Nothing, NextHour, Recompute };

    /// True when the event at `N` ("hh:mm:ss", or "hh:mm" while seconds are not compared) counts as passed
    /// at `T` ("hh:mm:ss"): hours, minutes and the last two characters compared as two-character texts.
    static bool isPassed(const QString& N, const QString& T);
    /// The chime catch-up at second 30: a mark behind the clock moves on, except mark 0 late in the hour
    /// (hour 23 for hour marks), which is the coming full hour (midnight).
    static ChimeCatchUp chimeCatchUp(qint16 iEMInterval, qint16 iEMNext, int hour, int minute);
    /// The wallpaper catch-up at second 45: true when the mark is behind the clock (not counting mark 0 as the
    /// coming full hour or midnight within one interval) or, for minute marks, more than one interval ahead.
    static bool wallpaperMarkOutOfLine(qint16 iWPInterval, qint16 iWPNext, int hour, int minute);

private:
    void RefreshNextAlarm();
    void CheckMissedAlarm();
    void SecondChecks();
    void ChimeTick();
    void RenewChimeMark();
    void CheckChimeMissed();
    void CheckWallpaperMissed();
    void IdleCleanup();

    void fireHead(bool onTime);
    void sShowMsg(const QString& tTime);
    QTime now() const;

    SharedState& m_state;
    AlarmLists& m_lists;
    const Clock& m_clock;
    TickActions& m_actions;
    QString m_nextEventTime;      // the whole "hh:mm:ss" of the event `strNextAlarm` stands for
    bool m_inTick = false;        // a tick is running
    bool m_firedThisTick = false; // an event fired in the running tick
};
