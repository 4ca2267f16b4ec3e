// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/schedule/schedule_logic.h"

#include <QFile>

#include "core/alarms/alarm_lines.h"
#include "core/alarms/alarm_list_logic.h"
#include "core/alarms/alarm_lists.h"
#include "core/alarms/message_input_logic.h"
#include "core/alarms/snooze.h"
#include "core/schedule/schedule_file.h"
#include "core/state/shared_state.h"
#include "core/state/translated.h"
#include "core/state/warnings.h"
#include "platform/clock.h"
#include "platform/file_writer.h"

namespace {
QString timeText(const QTime& time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}
} // namespace

ScheduleLogic::ScheduleLogic(SharedState& state, AlarmLists& lists, Warnings& warnings, const Clock& clock)
    : m_state(state), m_lists(lists), m_warnings(warnings), m_clock(clock)
{
}

QDateTime ScheduleLogic::now() const
{
    const QDateTime now = m_clock.now();
    return now.addMSecs(-now.time().msec()); // whole seconds: an occurrence in this second is still ahead
}

void ScheduleLogic::load(const QString& folder)
{
    m_path = folder + ScheduleFile::kFileName;
    m_entries.clear();
    m_inToday.clear();
    m_refusal.clear();
    QFile file(m_path);
    if (!file.exists())
        return;
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    ScheduleFile::Read read = file.error() == QFileDevice::NoError ? ScheduleFile::parse(bytes)
                                                                   : ScheduleFile::Read{{}, {}, file.errorString()};
    if (!read.refusal.isEmpty()) {
        m_refusal = read.refusal;
        if (hooks.reportErrors)
            hooks.reportErrors({translated(kUnreadable).arg(m_path, m_refusal)});
        return;
    }
    m_entries = read.entries; // all of them, also past the limit of an add: a later save keeps them
    m_inToday.resize(m_entries.size());
    if (!read.badEntries.isEmpty() && hooks.reportErrors)
        hooks.reportErrors(QStringList{m_path} + read.badEntries);
}

std::optional<QDateTime> ScheduleLogic::nextOccurrence(qsizetype index) const
{
    return m_entries.value(index).nextOccurrence(now());
}

QString ScheduleLogic::passedText(const ScheduleEntry& entry)
{
    return translated(QStringLiteral(QT_TRANSLATE_NOOP("Messages", "%1 on %2 has passed")))
        .arg(timeText(entry.time), entry.when.date.toString(QStringLiteral("yyyy-MM-dd")));
}

QString ScheduleLogic::check(qsizetype index) const
{
    if (m_path.isEmpty())
        return translated(kNotLoaded);
    if (!m_refusal.isEmpty())
        return translated(kUnreadable).arg(m_path, m_refusal);
    if (index < 0 || index >= m_entries.size())
        return translated(kNoSuchEntry).arg(index + 1);
    return {};
}

QString ScheduleLogic::passedRefusal(const ScheduleEntry& entry) const
{
    return entry.on && entry.when.isOnce() && !entry.nextOccurrence(now()) ? passedText(entry) : QString();
}

QString ScheduleLogic::add(ScheduleEntry entry)
{
    entry.message = MessageInput::storable(entry.message);
    if (m_path.isEmpty() || !m_refusal.isEmpty())
        return check(0);
    if (m_entries.size() >= kMaxEntries)
        return kFull;
    if (const QString refusal = passedRefusal(entry); !refusal.isEmpty())
        return refusal;
    m_entries.append(entry);
    m_inToday.append(std::nullopt);
    put(m_entries.size() - 1, entry);
    return {};
}

QString ScheduleLogic::replace(qsizetype index, ScheduleEntry entry)
{
    entry.message = MessageInput::storable(entry.message);
    QString refusal = check(index);
    if (refusal.isEmpty())
        refusal = passedRefusal(entry);
    if (refusal.isEmpty())
        put(index, entry);
    return refusal;
}

QString ScheduleLogic::remove(qsizetype index)
{
    if (const QString refusal = check(index); !refusal.isEmpty())
        return refusal;
    takeOut(index);
    m_entries.removeAt(index);
    m_inToday.removeAt(index);
    save();
    if (hooks.changed)
        hooks.changed();
    return {};
}

QString ScheduleLogic::setOn(qsizetype index, bool on)
{
    if (const QString refusal = check(index); !refusal.isEmpty())
        return refusal;
    ScheduleEntry entry = m_entries.at(index);
    entry.on = on;
    return entry == m_entries.at(index) ? QString() : replace(index, entry);
}

QString ScheduleLogic::skipNext(qsizetype index)
{
    if (const QString refusal = check(index); !refusal.isEmpty())
        return refusal;
    ScheduleEntry entry = m_entries.at(index);
    if (entry.skipped.isValid() && entry.skipped >= now().date())
        entry.skipped = {};
    else if (const std::optional<QDate> next = entry.nextDate(now()))
        entry.skipped = *next;
    else
        return passedText(entry);
    put(index, entry);
    return {};
}

std::optional<QDateTime> ScheduleLogic::firstOccurrence() const
{
    std::optional<QDateTime> first;
    for (const ScheduleEntry& entry : m_entries)
        if (const std::optional<QDateTime> next = entry.nextOccurrence(now()); next && (!first || *next < *first))
            first = next;
    return first;
}

void ScheduleLogic::beginDay(const QDate& date, const QTime& from)
{
    bool changed = false;
    for (qsizetype index = 0; index < m_entries.size(); ++index) {
        ScheduleEntry& entry = m_entries[index];
        m_inToday[index].reset(); // the old day's lines left with it
        if (entry.on && entry.when.isOnce() && entry.when.date < date)
            entry.on = false, changed = true;
        if (entry.skipped.isValid() && entry.skipped < date)
            entry.skipped = {}, changed = true;
    }
    if (changed && m_refusal.isEmpty())
        save();
    for (qsizetype index = 0; index < m_entries.size(); ++index)
        bringIn(index, date, from);
    if (hooks.changed)
        hooks.changed();
}

void ScheduleLogic::put(qsizetype index, const ScheduleEntry& entry)
{
    takeOut(index);
    m_entries[index] = entry;
    save();
    bringIn(index, now().date(), now().time());
    if (hooks.changed)
        hooks.changed();
}

void ScheduleLogic::save()
{
    QString reason;
    if (!writeWholeFile(m_path, ScheduleFile::compose(m_entries), &reason))
        m_warnings.warn(translated(kNotSaved).arg(m_path, reason));
}

void ScheduleLogic::bringIn(qsizetype index, const QDate& date, const QTime& from)
{
    const ScheduleEntry& entry = m_entries.at(index);
    const std::optional<QDateTime> next = entry.nextOccurrence(QDateTime(date, from));
    if (!next || next->date() != date)
        return;
    if (hooks.readyLists)
        hooks.readyLists();
    // A second the list holds already: the next free one, as Snooze finds it.
    const std::optional<QString> time = Snooze::againAt(next->time(), 0, m_lists.alarms);
    if (!time) {
        m_warnings.warn(translated(kNoFreeSecond).arg(timeText(next->time())));
        return;
    }
    const QString message = MessageInput::storable(entry.message);
    if (!message.isEmpty() && m_lists.messages.count() >= MessageList::kMaxLines) {
        m_warnings.warn(MessageInput::kMessagesFull);
        return;
    }
    const InToday in{AlarmLines::alarmLine(entry.playWord, *time),
                     message.isEmpty() ? QString() : AlarmLines::messageLine(message, *time)};
    if (Snooze::addAgain(m_state, m_lists, m_warnings, m_clock, {entry.playWord, *time, in.messageLine}, *time))
        m_inToday[index] = in;
}

void ScheduleLogic::takeOut(qsizetype index)
{
    const std::optional<InToday> in = m_inToday.at(index);
    m_inToday[index].reset();
    if (!in)
        return;
    const qsizetype row = m_lists.alarms.lines().indexOf(in->alarmLine);
    if (row < 0)
        return;
    const QString time = AlarmLines::lineTime(in->alarmLine);
    const qsizetype message = m_lists.messages.indexOfTime(time);
    if (m_lists.messages.line(message) != in->messageLine)
        return; // the message was changed by hand: the event is the user's now
    AlarmListLogic(m_state, m_lists, m_warnings, m_clock).deleteRow(row); // with its message
}
