// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/alarms/snooze.h"

#include "core/alarms/alarm_lines.h"
#include "core/alarms/alarm_list_logic.h"
#include "core/alarms/alarm_lists.h"
#include "core/alarms/message_input_logic.h"
#include "core/state/shared_state.h"

namespace Snooze {

namespace {
constexpr int kSecondsPerDay = 24 * 60 * 60;
}

std::optional<QString> againAt(const QTime& now, int minutes, const AlarmDataList& alarms)
{
    for (int second = now.msecsSinceStartOfDay() / 1000 + minutes * 60; second < kSecondsPerDay; ++second) {
        const QString time = QTime(0, 0).addSecs(second).toString(QStringLiteral("HH:mm:ss"));
        if (!alarms.hasTime(time))
            return time;
    }
    return std::nullopt;
}

bool addAgain(SharedState& state, AlarmLists& lists, Warnings& warnings, const Clock& clock, const FiredEvent& event,
              const QString& time)
{
    const bool inserted = AlarmListLogic(state, lists, warnings, clock).addChecked(time, event.playWord);
    if (inserted && !event.messageLine.isEmpty())
        lists.messages.append(
            AlarmLines::messageLine(MessageInput::storable(AlarmLines::messageText(event.messageLine)), time));
    return inserted;
}

} // namespace Snooze
