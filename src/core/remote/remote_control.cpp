// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/remote/remote_control.h"

#include <QRegularExpression>

#include "core/alarms/alarm_lines.h"
#include "core/alarms/alarm_lists.h"
#include "core/alarms/message_input_logic.h"
#include "core/schedule/schedule_logic.h"
#include "core/state/warnings.h"
#include "core/time/time_calc.h"
#include "platform/clock.h"

namespace {
// Keeps the first warning the add gives instead of opening a window for it.
class KeptWarning final : public Warnings
{
public:
    void warn(const QString& text) override
    {
        if (first.isEmpty())
            first = text;
    }
    QString first;
};
} // namespace

RemoteControl::RemoteControl(SharedState& state, AlarmLists& lists, const Clock& clock, ScheduleLogic& schedule)
    : m_state(state), m_lists(lists), m_clock(clock), m_schedule(schedule)
{
}

namespace {
QString occurrenceText(const std::optional<QDateTime>& next)
{
    return next ? next->toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QStringLiteral("none");
}
} // namespace

RemoteAnswer RemoteControl::addScheduled(const QString& time, const QString& word, const QString& message,
                                         const QString& when)
{
    ScheduleEntry entry;
    entry.playWord = word.isEmpty() ? kDefaultWord : word;
    if (const QString refusal = wordOrMessageRefusal(entry.playWord, message); !refusal.isEmpty())
        return {false, refusal};
    entry.message = message;
    std::optional<TimeEntry> parsed = parseTime(time);
    QString refusal = AlarmListLogic::kInvalidInput;
    if (parsed)
        entry.time = QTime::fromString(AlarmListLogic::composeTime(parsed->amPm, parsed->boxes, &refusal),
                                       QStringLiteral("HH:mm:ss"));
    if (!entry.time.isValid())
        return {false, refusal};
    QString reason;
    const std::optional<ScheduleWhen> comes = ScheduleWhen::parse(when, m_clock.now().date(), &reason);
    if (!comes)
        return {false, reason};
    entry.when = *comes;
    if (const QString refusal = m_schedule.add(entry); !refusal.isEmpty())
        return {false, refusal};
    const qsizetype number = m_schedule.entries().size();
    return {true, QStringLiteral("%1 %2").arg(number).arg(occurrenceText(m_schedule.nextOccurrence(number - 1)))};
}

QStringList RemoteControl::scheduleLines() const
{
    QStringList lines;
    const QList<ScheduleEntry>& entries = m_schedule.entries();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const ScheduleEntry& entry = entries.at(i);
        lines.append(QStringList{QString::number(i + 1), entry.when.storedText(),
                                 entry.time.toString(QStringLiteral("HH:mm:ss")), entry.playWord, entry.message,
                                 entry.on ? occurrenceText(m_schedule.nextOccurrence(i)) : QStringLiteral("off")}
                         .join(QLatin1Char('\t')));
    }
    return lines;
}

RemoteAnswer RemoteControl::unschedule(int number)
{
    const QString refusal = m_schedule.remove(number - 1);
    return {refusal.isEmpty(), refusal};
}

std::optional<TimeEntry> RemoteControl::parseTime(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,2}):([0-9]{1,2})(?::([0-9]{1,2}))?(?: ?([ap]m))?$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    TimeEntry entry{{match.captured(1), match.captured(2), match.captured(3)}, match.captured(4).toUpper()};
    if (entry.boxes.second.isEmpty())
        entry.boxes.second = QStringLiteral("00");
    if (entry.amPm.isEmpty()) {
        // The 24-hour clock on the window's 12-hour boxes: 0 is 12 AM, 12 is 12 PM, 13 to 23 are 1 to 11 PM. An
        // hour past 23 stays as it is, for the add to refuse.
        const int hour = entry.boxes.hour.toInt();
        entry.amPm = hour >= 12 && hour < 24 ? QStringLiteral("PM") : QStringLiteral("AM");
        if (hour == 0)
            entry.boxes.hour = QStringLiteral("12");
        else if (hour > 12 && hour < 24)
            entry.boxes.hour = QString::number(hour - 12);
    }
    return entry;
}

bool RemoteControl::isPlayWord(const QString& word)
{
    return TimeCalc().checkAlarmLine(AlarmLines::alarmLine(word, QStringLiteral("00:00:00")));
}

QString RemoteControl::wordOrMessageRefusal(const QString& playTimes, const QString& message)
{
    if (!isPlayWord(playTimes))
        return kNotAWord;
    return message.size() > MessageInput::kMaxLength ? kMessageTooLong : QString();
}

RemoteAnswer RemoteControl::addEvent(const QString& time, const QString& word, const QString& message)
{
    if (hooks.readyLists)
        hooks.readyLists();
    const QString playTimes = word.isEmpty() ? kDefaultWord : word;
    if (const QString refusal = wordOrMessageRefusal(playTimes, message); !refusal.isEmpty())
        return {false, refusal};
    const QString text = MessageInput::storable(message);
    if (!text.isEmpty() && m_lists.messages.count() >= MessageList::kMaxLines)
        return {false, MessageInput::kMessagesFull};
    const std::optional<TimeEntry> entry = parseTime(time);
    if (!entry)
        return {false, AlarmListLogic::kInvalidInput};

    KeptWarning refusal;
    AlarmListLogic logic(m_state, m_lists, refusal, m_clock);
    QString added = playTimes;
    if (!logic.add(entry->amPm, playTimes, added, entry->boxes).inserted)
        return {false, refusal.first};
    if (!text.isEmpty())
        m_lists.messages.append(AlarmLines::messageLine(text, logic.alarmTime()));
    return {true, AlarmLines::alarmLine(added, logic.alarmTime())};
}

QStringList RemoteControl::alarmLines() const
{
    return m_lists.alarms.lines();
}

QStringList RemoteControl::messageLines() const
{
    return m_lists.messages.lines();
}

void RemoteControl::stop()
{
    if (hooks.stop)
        hooks.stop();
}

RemoteAnswer RemoteControl::snooze(int minutes)
{
    if (minutes < 1 || minutes > kMaxSnoozeMinutes)
        return {false, kBadSnooze};
    const QString refusal = hooks.snooze ? hooks.snooze(minutes) : kNothingSounding;
    return {refusal.isEmpty(), refusal};
}

void RemoteControl::showAlarmSet()
{
    if (hooks.showAlarmSet)
        hooks.showAlarmSet();
}
