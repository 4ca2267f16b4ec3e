// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <deque>
#include <functional>
#include <optional>

#include <QList>
#include <QString>
#include <QTime>

struct SharedState;
struct AlarmLists;
class AlarmDataList;
class Warnings;
class Clock;

// One event as the clock tick fired it: what Snooze needs to add it again.
struct FiredEvent
{
    QString playWord;    // the alarm line's play-times word, as the list held it ("twice", "repeat!")
    QString time;        // "HH:MM:SS"
    QString messageLine; // its message line ("Call the garage at 19:30:00"), empty without a message
    bool onTime = false; // it fired on time, with its sound (a late event fires silently)
    quint64 firing = 0;  // which firing it was, counted from 1 by the composition root; 0: none
};

// Snooze: the event that fired is added again a few minutes later. The day's list ends at midnight (an event has
// no date); a snooze whose time passes midnight is handed on to the day after (the schedule takes it).
namespace Snooze {

/// The lengths offered, in minutes, and the one preset.
inline const QList<int> kLengths{1, 5, 10, 15, 30, 60};
constexpr int kPresetMinutes = 10;

/// The time the event sounds again: `now` (whole seconds) plus `minutes`, moved on to the next second the alarm
/// list has free; nothing when that passes midnight.
std::optional<QString> againAt(const QTime& now, int minutes, const AlarmDataList& alarms);
/// The time of the next day a snooze that passes midnight sounds at: `now` plus `minutes` less a day, or the first
/// second of the day when today had no free second left.
QTime tomorrowAt(const QTime& now, int minutes);

/// Adds `event` again at `time` as the Alarm Set window's Add inserts an event (time order, the clock reads the
/// head again), with its message line, if any, moved to the new time. False when the line did not go in.
bool addAgain(SharedState& state, AlarmLists& lists, Warnings& warnings, const Clock& clock, const FiredEvent& event,
              const QString& time);

} // namespace Snooze

// One alarm going off, from the tick that fired it until it is over: its sound no longer plays (it ended on its
// own, was stopped, or a newer alarm's took its place) and its message windows are closed, or it was snoozed.
struct Firing
{
    FiredEvent event;        // `event.firing` numbers it
    bool soundPlays = false; // its sound was started and has not ended since
    int openWindows = 0;     // its message windows on screen
    bool snoozed = false;
    bool isOver() const { return snoozed || (!soundPlays && openWindows == 0); }
};

// The alarms that went off, and Snooze itself: the message window's Snooze, the notification's and the session
// bus's all come here, so that an alarm is snoozed only while it lasts, and at most once.
class Firings final
{
public:
    // What the rest of the program does for a snooze.
    struct Hooks
    {
        std::function<void()> readyLists;          // the first touch of the day's lists loads what goes with them
        std::function<void()> stopSound;           // as the tray's Stop
        std::function<void(quint64)> closeWindows; // closes the firing's message windows, as their OK does
        // Sets the event again for the day after at the given time; empty when done, else why not.
        std::function<QString(const FiredEvent&, const QTime&)> snoozeTomorrow;
    };

    Firings(SharedState& state, AlarmLists& lists, const Clock& clock);

    /// The clock fired `event`: it is numbered (from 1) and, `withSound`, its sound takes the place of any other.
    const FiredEvent& fire(const FiredEvent& event, bool withSound);
    /// No firing's sound plays any more. Returns the firing whose sound it was; 0: none.
    quint64 soundEnded();
    /// The firing whose sound plays; 0: none.
    quint64 sounding() const;
    void windowOpened(quint64 firing);
    void windowClosed(quint64 firing);
    /// The firing numbered `firing`, while it is remembered; null otherwise.
    const Firing* find(quint64 firing) const;
    /// The newest firing that is not over; 0: none.
    quint64 latest() const;

    /// Snoozes `firing` for `minutes`. Everything is checked first; only then its sound stops (when it is still its
    /// own), the event goes in again and its windows close. Empty when done, else why not, with nothing changed.
    QString snooze(quint64 firing, int minutes);

    Hooks hooks;

    static inline const QString kNothingSounding =
        QStringLiteral(QT_TRANSLATE_NOOP("Messages", "No alarm is sounding"));
    static inline const QString kSnoozedAlready =
        QStringLiteral(QT_TRANSLATE_NOOP("Messages", "This alarm is snoozed already"));

private:
    Firing* record(quint64 firing);

    SharedState& m_state;
    AlarmLists& m_lists;
    const Clock& m_clock;
    std::deque<Firing> m_records; // oldest first; those over beyond the last few are forgotten
    quint64 m_count = 0;
};
