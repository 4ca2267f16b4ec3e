// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

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

// Snooze: the event that fired is added again a few minutes later. The day ends at midnight (an event has no
// date), so a snooze whose time would pass midnight is refused rather than moved or cut short.
namespace Snooze {

/// The lengths offered, in minutes, and the one preset.
inline const QList<int> kLengths{1, 5, 10, 15, 30, 60};
constexpr int kPresetMinutes = 10;

/// Shown beside the Snooze button while the chosen length would pass midnight.
inline const QString kPassesMidnight = QStringLiteral("Snooze would pass midnight");

/// The time the event sounds again: `now` (whole seconds) plus `minutes`, moved on to the next second the alarm
/// list has free; nothing when that passes midnight.
std::optional<QString> againAt(const QTime& now, int minutes, const AlarmDataList& alarms);

/// Adds `event` again at `time` as the Alarm Set window's Add inserts an event (time order, the clock reads the
/// head again), with its message line, if any, moved to the new time. False when the line did not go in.
bool addAgain(SharedState& state, AlarmLists& lists, Warnings& warnings, const Clock& clock, const FiredEvent& event,
              const QString& time);

} // namespace Snooze
