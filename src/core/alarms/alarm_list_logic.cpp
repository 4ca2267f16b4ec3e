// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/alarms/alarm_list_logic.h"

#include <algorithm>

#include "core/alarms/alarm_lines.h"
#include "core/alarms/alarm_lists.h"
#include "core/state/warnings.h"
#include "platform/clock.h"

namespace {
bool allDigits(const QString& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

QString padded(const QString& text)
{
    return text.size() == 1 ? QLatin1Char('0') + text : text;
}
} // namespace

AlarmListLogic::AlarmListLogic(SharedState& state, AlarmLists& lists, Warnings& warnings, const Clock& clock)
    : m_state(state), m_lists(lists), m_warnings(warnings), m_clock(clock)
{
}

void AlarmListLogic::updatePending()
{
    m_state.alarmsPending = !m_lists.alarms.isEmpty();
}

AddResult AlarmListLogic::add(const QString& amPm, const QString& chosenPlayTimes, QString& playTimes,
                              const TimeBoxes& boxes)
{
    AddResult result;
    result.shown = boxes;
    TimeBoxes& t = result.shown;
    m_inserted = false;

    auto refuse = [&](const QString& warning) {
        m_warnings.warn(warning);
        updatePending();
        return result;
    };

    if (m_state.ignoreSeconds) {
        t.second = QStringLiteral("00");
        result.secondsReset = true;
    }
    QString refusal;
    const QString composed = composeTime(amPm, t, &refusal);
    if (composed.isEmpty())
        return refuse(refusal);
    m_alarmTime = composed;
    if (!chosenPlayTimes.isEmpty())
        playTimes = chosenPlayTimes;
    if (!refusal.isEmpty())
        return refuse(refusal);

    const QString now = m_clock.now().time().toString(QStringLiteral("HH:mm:ss"));
    if (AlarmLines::compareTimes(m_alarmTime, now) <= 0)
        return refuse(kTimePassed);

    result.inserted = addChecked(m_alarmTime, playTimes);
    return result;
}

QString AlarmListLogic::composeTime(const QString& amPm, TimeBoxes& t, QString* refusal)
{
    const auto notATime = [refusal] {
        *refusal = kInvalidInput;
        return QString();
    };
    if (t.hour.isEmpty() || t.minute.isEmpty() || t.second.isEmpty())
        return notATime();
    // Only digits count as a time, however the text got into the box.
    if (!allDigits(t.hour) || !allDigits(t.minute) || !allDigits(t.second))
        return notATime();
    const int h = t.hour.toInt();
    const int m = t.minute.toInt();
    const int s = t.second.toInt();
    if (h == 0 || h > 12 || m > 59 || s > 59)
        return notATime();

    t.hour = padded(t.hour);
    t.minute = padded(t.minute);
    t.second = padded(t.second);

    QString hours = t.hour;
    if (t.hour != QLatin1String("12") && amPm == QLatin1String("PM"))
        hours = QString::number(h + 12);
    else if (t.hour == QLatin1String("12") && amPm == QLatin1String("AM"))
        hours = QStringLiteral("00");
    const QString time = hours + QLatin1Char(':') + t.minute + QLatin1Char(':') + t.second;

    // Each field must be two characters: "012" in a box is refused here, also where the sum of the lengths
    // happens to be 8 ("012" PM would otherwise read as hour 24).
    if (time.size() != 8 || t.hour.size() != 2 || t.minute.size() != 2 || t.second.size() != 2)
        *refusal = kTimeExample;
    return time;
}

bool AlarmListLogic::addChecked(const QString& alarmTime, const QString& playTimes)
{
    m_state.setClockActive(true);
    const bool inserted = insert(alarmTime, playTimes);
    updatePending();
    return inserted;
}

bool AlarmListLogic::insert(const QString& alarmTime, const QString& playTimes)
{
    const QString line = AlarmLines::alarmLine(playTimes, alarmTime);
    bool inserted = false;
    switch (m_lists.alarms.insertSorted(line)) {
    case AlarmDataList::Insert::Inserted:
        inserted = true;
        break;
    case AlarmDataList::Insert::Duplicate:
        m_warnings.warn(kTimeExists);
        break;
    case AlarmDataList::Insert::Full:
        m_warnings.warn(kListFull);
        break;
    case AlarmDataList::Insert::NotATime:
        m_warnings.warn(kTimeExample);
        break;
    }
    if (inserted)
        m_inserted = true;
    m_state.refreshNext = true;
    return inserted;
}

void AlarmListLogic::removeMessageOf(MessageList& messages, const QString& selectedAlarm)
{
    if (messages.isEmpty())
        return;
    messages.takeFirstWithTime(AlarmLines::lineTime(selectedAlarm));
}

void AlarmListLogic::deleteSelected()
{
    deleteRow(m_lists.alarms.selected());
}

void AlarmListLogic::deleteRow(qsizetype row)
{
    AlarmDataList& alarms = m_lists.alarms;
    if (row >= 0) {
        removeMessageOf(m_lists.messages, alarms.line(row));
        alarms.removeAt(row);
    }
    updatePending();
    m_state.nextAlarm.clear();
    m_state.nextPlayTimes.clear();
    m_state.refreshNext = true;
}

void AlarmListLogic::deleteAll()
{
    m_lists.alarms.clear();
    m_lists.messages.clear();
    m_state.refreshNext = true;
    m_state.alarmsPending = false;
    m_state.nextAlarm.clear();
    m_state.nextPlayTimes.clear();
}

QString AlarmListLogic::amPmUp(const QString& amPm)
{
    if (amPm == QLatin1String("AM"))
        return QStringLiteral("PM");
    if (amPm == QLatin1String("PM"))
        return QStringLiteral("AM");
    return amPm;
}

QStringList AlarmListLogic::moreMinuteItems(int itemCount)
{
    QStringList items;
    if (itemCount != 10)
        return items;
    for (int i = 10; i <= 59; ++i)
        items.append(QString::number(i));
    return items;
}

KeyVerdict AlarmListLogic::timeBoxKeyPress(const QString& keyText)
{
    if (keyText.size() != 1)
        return KeyVerdict::Pass;
    const QChar c = keyText.front();
    if (c == QLatin1Char('\b') || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
        return KeyVerdict::Pass;
    if (c.unicode() < 0x20 || c.unicode() == 0x7f)
        return KeyVerdict::Pass; // Enter, Tab, Escape and shortcuts: not a character for the box
    return KeyVerdict::DropWithBeep;
}

FilteredTime AlarmListLogic::timeBoxKeyRelease(const QString& text)
{
    if (text.size() >= 3)
        return {QString(), true};
    return {text, false};
}

FilteredTime AlarmListLogic::filterTimeBoxText(const QString& text)
{
    FilteredTime result;
    for (QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            result.text += c;
        else
            result.beep = true;
    }
    if (result.text.size() >= 3) {
        result.text.clear();
        result.beep = true;
    }
    return result;
}

KeyVerdict AlarmListLogic::listOnlyKeyPress(const QString& keyText)
{
    if (keyText.isEmpty())
        return KeyVerdict::Pass;
    const QChar c = keyText.front();
    if (keyText.size() == 1 && (c.unicode() < 0x20 || c.unicode() == 0x7f))
        return KeyVerdict::Pass;
    return KeyVerdict::Drop;
}
