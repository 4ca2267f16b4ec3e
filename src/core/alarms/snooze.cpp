// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/alarms/snooze.h"

#include "core/alarms/alarm_lines.h"
#include "core/alarms/alarm_list_logic.h"
#include "core/alarms/alarm_lists.h"
#include "core/alarms/message_input_logic.h"
#include "core/state/shared_state.h"
#include "core/state/warnings.h"
#include "platform/clock.h"

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

QTime tomorrowAt(const QTime& now, int minutes)
{
    const int second = now.msecsSinceStartOfDay() / 1000 + minutes * 60;
    return QTime(0, 0).addSecs(second >= kSecondsPerDay ? second - kSecondsPerDay : 0);
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

namespace {
// Keeps the reason an add gives instead of opening a window for it.
class KeptReason final : public Warnings
{
public:
    void warn(const QString& text) override { reason = reason.isEmpty() ? text : reason; }
    QString reason;
};
// So many firings that are over are kept, to tell a second Snooze that it comes too late.
constexpr std::size_t kKeptRecords = 16;
} // namespace

Firings::Firings(SharedState& state, AlarmLists& lists, const Clock& clock)
    : m_state(state), m_lists(lists), m_clock(clock)
{
}

const FiredEvent& Firings::fire(const FiredEvent& event, bool withSound)
{
    if (withSound)
        soundEnded();
    while (m_records.size() >= kKeptRecords && m_records.front().isOver())
        m_records.pop_front();
    Firing& firing = m_records.emplace_back(Firing{event, withSound});
    firing.event.firing = ++m_count;
    return firing.event;
}

quint64 Firings::soundEnded()
{
    quint64 ended = 0;
    for (Firing& firing : m_records)
        if (firing.soundPlays)
            firing.soundPlays = false, ended = firing.event.firing;
    return ended;
}

quint64 Firings::sounding() const
{
    for (const Firing& firing : m_records)
        if (firing.soundPlays)
            return firing.event.firing;
    return 0;
}

void Firings::windowOpened(quint64 firing)
{
    if (Firing* found = record(firing))
        ++found->openWindows;
}

void Firings::windowClosed(quint64 firing)
{
    if (Firing* found = record(firing); found && found->openWindows > 0)
        --found->openWindows;
}

const Firing* Firings::find(quint64 firing) const
{
    for (const Firing& kept : m_records)
        if (kept.event.firing == firing)
            return &kept;
    return nullptr;
}

Firing* Firings::record(quint64 firing)
{
    return const_cast<Firing*>(std::as_const(*this).find(firing));
}

quint64 Firings::latest() const
{
    for (auto it = m_records.rbegin(); it != m_records.rend(); ++it)
        if (!it->isOver())
            return it->event.firing;
    return 0;
}

QString Firings::snooze(quint64 firing, int minutes)
{
    const Firing* found = find(firing);
    if (found && found->snoozed)
        return kSnoozedAlready;
    if (!found || found->isOver())
        return kNothingSounding;
    if (hooks.readyLists)
        hooks.readyLists();
    const std::optional<QString> time = Snooze::againAt(m_clock.now().time(), minutes, m_lists.alarms);
    if (time && m_lists.alarms.count() >= AlarmDataList::kMaxLines)
        return AlarmListLogic::kListFull;
    if (time && !found->event.messageLine.isEmpty() && m_lists.messages.count() >= MessageList::kMaxLines)
        return MessageInput::kMessagesFull;

    // Marked before anything runs that may let other events in: a second Snooze meanwhile is told.
    record(firing)->snoozed = true;
    const FiredEvent event = found->event;
    const bool ownSound = found->soundPlays && hooks.stopSound;
    QString refusal;
    if (time) {
        if (ownSound)
            hooks.stopSound();
        KeptReason kept;
        if (!Snooze::addAgain(m_state, m_lists, kept, m_clock, event, *time))
            refusal = kept.reason;
    } else {
        // Past midnight the event goes to the day after (today's list is left alone), before the sound stops: a
        // refusal leaves it sounding.
        refusal = hooks.snoozeTomorrow ? hooks.snoozeTomorrow(event, Snooze::tomorrowAt(m_clock.now().time(), minutes))
                                       : AlarmListLogic::kTimePassed;
        if (refusal.isEmpty() && ownSound)
            hooks.stopSound();
    }
    if (!refusal.isEmpty()) {
        record(firing)->snoozed = false;
        return refusal;
    }
    if (hooks.closeWindows)
        hooks.closeWindows(firing);
    return {};
}
