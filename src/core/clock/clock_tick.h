// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <optional>

#include <QDate>
#include <QString>
#include <QTime>
#include <QtGlobal>

struct SharedState;
struct AlarmLists;
struct FiredEvent;
class Clock;
class MessageList;

// What the clock tick asks of the rest of the program: sounds, windows, and the chime and wallpaper
// set-ups that belong to their windows.
class TickActions
{
public:
    virtual ~TickActions() = default;
    /// Plays the alarm sound `soundPath` as often as `playTimes` says ("once", "twice", "thrice", "repeat").
    virtual void playSound(const QString& playTimes, const QString& soundPath) = 0;
    /// One sweep of the repeating internal-speaker alarm.
    virtual void playSpeakerSweep() = 0;
    /// The event `event` fired; its sound and windows follow.
    virtual void alarmFired(const FiredEvent& event) = 0;
    /// A new alarm message window on top, showing `text`.
    virtual void openMessageWindow(const QString& text) = 0;
    /// Plays the chime file at `path` once, without waiting.
    virtual void playChime(const QString& path) = 0;
    /// Computes the chime interval and mark afresh from the chime set-up.
    virtual void renewChime() = 0;
    /// Changes the wallpaper now and moves the wallpaper mark on.
    virtual void changeWallpaper() = 0;
    /// Computes the wallpaper schedule afresh (`wallpaperCatchUp` is -1 during the call), then unloads the wallpaper
    /// window unless the user has it open.
    virtual void rescheduleWallpaper() = 0;
    /// Unloads the Alarm Set window and drops its two lists (the alarm list is empty by then).
    virtual void unloadAlarmSetWindow() = 0;
    /// The date is now `date`, its change seen at `seenAt`: what a new day brings follows (NewDay::begin).
    virtual void newDay(const QDate& date, const QTime& seenAt) = 0;
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
    void tick();

    /// Milliseconds from now until the second of the next event begins ("hh:mm" counts from hh:mm:00), or -1
    /// when the clock work is idle, no event is known or its second has begun. The clock uses it to wake on
    /// that second instead of up to one beat later.
    int msUntilNextEvent() const;

    /// Asks for what a new day brings (TickActions::newDay) when the date differs from the one last seen (midnight,
    /// a resume after sleep, a clock set forwards or back), once per change. Every tick looks first; the clock's wake
    /// at midnight and after a clock jump looks while the clock idles, and so does the end of Disable. A change seen
    /// while a tick runs (a sound's error box) is done as soon as that tick returns, as seen at that moment.
    void checkDate();

    /// The missed-alarm rule for `event`, already taken off the list: it is told as fired, its "alarm at" window
    /// opens with `shownTime` (no sound), then its message, taken off `messages`.
    static void fireLate(TickActions& actions, MessageList& messages, const FiredEvent& event,
                         const QString& shownTime);

    /// What the catch-up check does with a chime mark.
    enum class ChimeCatchUp { Nothing, NextHour, Recompute };

    /// True when the event at `due` ("hh:mm:ss", or "hh:mm" while seconds are not compared) counts as passed
    /// at `current` ("hh:mm:ss"): hours, minutes and the last two characters compared as two-character texts.
    static bool isPassed(const QString& due, const QString& current);
    /// The chime catch-up at second 30: a mark behind the clock moves on, except mark 0 late in the hour
    /// (hour 23 for hour marks), which is the coming full hour (midnight).
    static ChimeCatchUp chimeCatchUp(qint16 chimeInterval, qint16 chimeMark, int hour, int minute);
    /// The wallpaper catch-up at second 45: true when the mark is behind the clock (not counting mark 0 as the
    /// coming full hour or midnight within one interval) or, for minute marks, more than one interval ahead.
    static bool wallpaperMarkOutOfLine(qint16 wallpaperInterval, qint16 wallpaperMark, int hour, int minute);

private:
    void readNextAlarm();
    void checkMissedAlarm();
    void secondChecks();
    void chimeTick();
    void renewChimeMark();
    void checkChimeMissed();
    void checkWallpaperMissed();
    void idleCleanup();

    void fireHead(bool onTime);
    void showMessageOf(const QString& eventTime);
    QTime now() const;

    SharedState& m_state;
    AlarmLists& m_lists;
    const Clock& m_clock;
    TickActions& m_actions;
    QString m_nextEventTime;           // the whole "hh:mm:ss" of the event `nextAlarm` stands for
    QDate m_date;                      // the date the day's plan was loaded for (at start-up: the construction's)
    bool m_inTick = false;             // a tick is running
    std::optional<QTime> m_dateSeenAt; // when a new date was seen while a tick ran; done when it returns
    bool m_firedThisTick = false;      // an event fired in the running tick
};
