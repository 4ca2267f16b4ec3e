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
    m_state.bAlarmsPending = toFlag(!m_lists.lstData.isEmpty());
}

AddResult AlarmListLogic::AddClick(const QString& txtAm, const QString& cbPlayTimesItem, QString& strTimesOfPlay,
                                   const TimeBoxes& boxes)
{
    AddResult result;
    result.shown = boxes;
    TimeBoxes& t = result.shown;
    bInserted = kFalse;

    auto refuse = [&](const QString& warning) {
        m_warnings.AnswerOk(warning);
        updatePending();
        return result;
    };

    if (m_state.bNoSecond == kTrue) {
        t.cbSec = QStringLiteral("00");
        result.secondsReset = true;
    }
    if (t.cbHour.isEmpty() || t.cbMin.isEmpty() || t.cbSec.isEmpty())
        return refuse(kInvalidInput);
    // Only digits count as a time, however the text got into the box.
    if (!allDigits(t.cbHour) || !allDigits(t.cbMin) || !allDigits(t.cbSec))
        return refuse(kInvalidInput);
    const int h = t.cbHour.toInt();
    const int m = t.cbMin.toInt();
    const int s = t.cbSec.toInt();
    if (h == 0 || h > 12 || m > 59 || s > 59)
        return refuse(kInvalidInput);

    t.cbHour = padded(t.cbHour);
    t.cbMin = padded(t.cbMin);
    t.cbSec = padded(t.cbSec);

    QString hours = t.cbHour;
    if (t.cbHour != QLatin1String("12") && txtAm == QLatin1String("PM"))
        hours = QString::number(h + 12);
    else if (t.cbHour == QLatin1String("12") && txtAm == QLatin1String("AM"))
        hours = QStringLiteral("00");
    strAlarmClock = hours + QLatin1Char(':') + t.cbMin + QLatin1Char(':') + t.cbSec;

    if (!cbPlayTimesItem.isEmpty())
        strTimesOfPlay = cbPlayTimesItem;

    // Each field must be two characters: "012" in a box is refused here, also where the sum of the lengths
    // happens to be 8 ("012" PM would otherwise read as hour 24).
    if (strAlarmClock.size() != 8 || t.cbHour.size() != 2 || t.cbMin.size() != 2 || t.cbSec.size() != 2)
        return refuse(kTimeExample);

    const QString now = m_clock.now().time().toString(QStringLiteral("HH:mm:ss"));
    if (AlarmLines::compareTimes(strAlarmClock, now) <= 0)
        return refuse(kTimePassed);

    m_state.setClockActive(kTrue);
    Sorting(strAlarmClock, strTimesOfPlay);
    result.bInserted = bInserted;
    updatePending();
    return result;
}

bool AlarmListLogic::Sorting(const QString& strAlarmClock, const QString& strTimesOfPlay)
{
    const QString line = AlarmLines::alarmLine(strTimesOfPlay, strAlarmClock);
    bool inserted = false;
    switch (m_lists.lstData.insertSorted(line)) {
    case AlarmDataList::Insert::Inserted:
        inserted = true;
        break;
    case AlarmDataList::Insert::Duplicate:
        m_warnings.AnswerOk(kTimeExists);
        break;
    case AlarmDataList::Insert::Full:
        m_warnings.AnswerOk(kListFull);
        break;
    case AlarmDataList::Insert::NotATime:
        m_warnings.AnswerOk(kTimeExample);
        break;
    }
    if (inserted)
        bInserted = kTrue;
    m_state.bRefreshNext = kTrue;
    return inserted;
}

void AlarmListLogic::cClearMsg(MessageList& lstMessage, const QString& selectedAlarmLine)
{
    if (lstMessage.isEmpty())
        return;
    lstMessage.takeFirstWithTime(AlarmLines::lineTime(selectedAlarmLine));
}

void AlarmListLogic::deleteClick()
{
    AlarmDataList& lstData = m_lists.lstData;
    const qsizetype row = lstData.selected();
    if (row >= 0) {
        cClearMsg(m_lists.lstMessage, lstData.line(row));
        lstData.removeAt(row);
    }
    updatePending();
    m_state.strNextAlarm.clear();
    m_state.strPlayTimes.clear();
    m_state.bRefreshNext = kTrue;
}

void AlarmListLogic::deleteAllClick()
{
    m_lists.lstData.clear();
    m_lists.lstMessage.clear();
    m_state.bRefreshNext = kTrue;
    m_state.bAlarmsPending = kFalse;
    m_state.strNextAlarm.clear();
    m_state.strPlayTimes.clear();
}

QString AlarmListLogic::UpClick(const QString& txtAm)
{
    if (txtAm == QLatin1String("AM"))
        return QStringLiteral("PM");
    if (txtAm == QLatin1String("PM"))
        return QStringLiteral("AM");
    return txtAm;
}

QStringList AlarmListLogic::MinDropDown(int itemCount)
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
