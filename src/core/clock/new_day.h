// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>

class QDate;
class QTime;
struct SharedState;
struct AlarmLists;
class TickActions;
class StartupHooks;

// What a new date brings, whichever way its change is seen: a tick, the wake at midnight, a clock set, a resume
// after sleep, the end of Disable. Everything a day puts into the lists comes in through begin().
class NewDay final
{
public:
    NewDay(SharedState& state, AlarmLists& lists, TickActions& actions, StartupHooks& hooks);

    /// The date is now `date`; its change was seen at `seenAt`. Every event of the old day still in the list was
    /// missed: each fires late once (its "alarm at" window, no sound, then its message) and leaves the list, and
    /// the old day's messages go with them. Then the every-day plan comes in, its events from the second `seenAt`
    /// on due, and last what the schedule brings for the day.
    void begin(const QDate& date, const QTime& seenAt);

    /// Puts the schedule's occurrences of `date` from `from` on into the day's list.
    std::function<void(const QDate& date, const QTime& from)> bringScheduled;

private:
    void fireLeftovers();

    SharedState& m_state;
    AlarmLists& m_lists;
    TickActions& m_actions;
    StartupHooks& m_hooks;
};
