// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/clock/new_day.h"

#include <QDate>
#include <QTime>

#include "core/alarms/alarm_lines.h"
#include "core/alarms/alarm_lists.h"
#include "core/alarms/snooze.h"
#include "core/clock/clock_tick.h"
#include "core/startup/startup_load.h"
#include "core/state/shared_state.h"

NewDay::NewDay(SharedState& state, AlarmLists& lists, TickActions& actions, StartupHooks& hooks)
    : m_state(state), m_lists(lists), m_actions(actions), m_hooks(hooks)
{
}

void NewDay::begin(const QDate& date, const QTime& seenAt)
{
    fireLeftovers();
    reloadDayPlan(m_state, m_hooks, seenAt);
    if (bringScheduled)
        bringScheduled(date, seenAt);
}

void NewDay::fireLeftovers()
{
    AlarmDataList& alarms = m_lists.alarms;
    MessageList& messages = m_lists.messages;
    // Off the list before any window opens, as the tick takes an event it fires: none can fire twice. The tick
    // reads the head afresh.
    const QStringList leftovers = alarms.lines();
    alarms.clear();
    m_state.nextAlarm.clear();
    m_state.nextPlayTimes.clear();
    m_state.refreshNext = true;
    m_state.alarmsPending = false;
    for (const QString& line : leftovers) {
        const QString time = AlarmLines::lineTime(line);
        const qsizetype message = messages.indexOfTime(time);
        const FiredEvent event{AlarmLines::playWord(line), time, messages.line(message), false};
        ClockTick::fireLate(m_actions, messages, event, time);
    }
    // A message whose alarm is gone belongs to the old day too; left, it would join the new day's event of its time.
    messages.clear();
}
