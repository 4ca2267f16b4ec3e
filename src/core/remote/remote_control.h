// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>
#include <optional>

#include <QString>
#include <QStringList>

#include "core/alarms/alarm_list_logic.h"
#include "core/alarms/snooze.h"

struct SharedState;
struct AlarmLists;
class Clock;
class ScheduleLogic;

// A time of day as a command line writes it, turned into what the Alarm Set window's boxes would hold.
struct TimeEntry
{
    TimeBoxes boxes;
    QString amPm; // "AM" or "PM"
    bool operator==(const TimeEntry&) const = default;
};

// The answer to a request from outside: whether it was done and, when it was not, why.
struct RemoteAnswer
{
    bool ok = false;
    QString text; // an add's alarm line when done; the reason when refused
};

// What a program outside Ixo may ask of the running one (over the session bus): add an event, list the day's
// events, stop or snooze the sound, show the Alarm Set window. An add passes exactly the checks of the Alarm Set
// window's Add, and a refusal gives the text that window would show, without showing it.
class RemoteControl final
{
public:
    // What the rest of the program does for a request; an empty hook does nothing (a snooze is then refused).
    struct Hooks
    {
        std::function<void()> readyLists;   // the first touch of the day's lists loads what goes with them
        std::function<void()> stop;         // as the tray's Stop
        std::function<QString(int)> snooze; // snoozes the sounding alarm for so many minutes; else says why not
        std::function<void()> showAlarmSet;
    };

    RemoteControl(SharedState& state, AlarmLists& lists, const Clock& clock, ScheduleLogic& schedule);

    /// "7:30pm" or "7:30 PM" (12-hour), "19:30" or "19:30:00" (24-hour): one or two digits per field, seconds 00
    /// when left out. Nothing for any other form. The fields are not checked against their ranges here: the add
    /// refuses them as the window refuses such boxes ("25:00" gives hour box 25, "0:30am" hour box 0).
    static std::optional<TimeEntry> parseTime(const QString& text);
    /// True for the play-times words the window offers: "once", "twice", "thrice" and "repeat!".
    static bool isPlayWord(const QString& word);

    /// Adds `word` (empty: "once", the window's preset) at `time`, with `message` (if any, made storable) as its
    /// message line.
    RemoteAnswer addEvent(const QString& time, const QString& word, const QString& message);
    /// Adds a schedule entry at `time` (as addEvent reads it) on `when` (as the schedule reads it: "tomorrow", a
    /// date, "daily", "weekdays", "weekends", "mon,wed,fri"). When done, the text is the entry's number and its
    /// next occurrence, "3 2026-12-09 07:00:00".
    RemoteAnswer addScheduled(const QString& time, const QString& word, const QString& message, const QString& when);
    /// The schedule, one entry a line: its number, when, the time, the play times, the message and the next
    /// occurrence ("off" for an entry switched off, "none" when none comes), separated by tabs.
    QStringList scheduleLines() const;
    /// Removes schedule entry `number` (from 1).
    RemoteAnswer unschedule(int number);
    /// The day's alarm lines in time order, and the message lines.
    QStringList alarmLines() const;
    QStringList messageLines() const;
    void stop();
    /// Snoozes the sounding alarm for 1 to kMaxSnoozeMinutes minutes.
    RemoteAnswer snooze(int minutes);
    void showAlarmSet();

    Hooks hooks;

    static constexpr int kMaxSnoozeMinutes = 1439;
    static inline const QString kDefaultWord = QStringLiteral("once");
    static inline const QString kNotAWord =
        QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Play times must be once, twice, thrice or repeat!"));
    static inline const QString kMessageTooLong =
        QStringLiteral(QT_TRANSLATE_NOOP("Messages", "A message may hold at most 626 characters"));
    static inline const QString& kNothingSounding = Firings::kNothingSounding;
    static inline const QString kBadSnooze =
        QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Snooze takes 1 to 1439 minutes"));

private:
    /// Why the play-times word or the message cannot be taken; empty when both can.
    static QString wordOrMessageRefusal(const QString& playTimes, const QString& message);

    SharedState& m_state;
    AlarmLists& m_lists;
    const Clock& m_clock;
    ScheduleLogic& m_schedule;
};
