// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/clock/clock_tick.h"

#include <QScopeGuard>

#include "core/alarms/alarm_lines.h"
#include "core/alarms/alarm_lists.h"
#include "core/state/shared_state.h"
#include "core/time/time_calc.h"
#include "platform/clock.h"

namespace {
constexpr int kShortWidth = 5; // "hh:mm"

QString timeText(const QTime& t)
{
    return t.toString(QStringLiteral("HH:mm:ss"));
}
} // namespace

ClockTick::ClockTick(SharedState& state, AlarmLists& lists, const Clock& clock, TickActions& actions)
    : m_state(state), m_lists(lists), m_clock(clock), m_actions(actions)
{
}

QTime ClockTick::now() const
{
    return m_clock.now().time();
}

void ClockTick::Timer1_Timer()
{
    if (m_inTick)
        return;
    m_inTick = true;
    m_firedThisTick = false;

    if (m_state.bClockActive() == kTrue) {
        QString current = timeText(now());
        if (m_state.bNoSecond == kTrue) {
            m_state.strNextAlarm = m_state.strNextAlarm.left(kShortWidth);
            current = current.left(kShortWidth);
        } else if (m_state.strNextAlarm.size() == kShortWidth) {
            m_state.strNextAlarm += QStringLiteral(":00");
        }

        if (!m_state.strNextAlarm.isEmpty() && current == m_state.strNextAlarm)
            fireHead(true);
        RefreshNextAlarm();
        SecondChecks();
        ChimeTick();

        if (m_state.iWPNext != -1) {
            const QTime t = now();
            const int current = m_state.iWPInterval >= 60 ? t.hour() : t.minute();
            if (current == m_state.iWPNext)
                m_actions.EMShowToShow();
        }
        IdleCleanup();
    }
    if (m_state.bISRepeat() == kTrue)
        m_actions.InternalSpeaker();

    m_inTick = false;
}

int ClockTick::msUntilNextEvent() const
{
    if (m_state.bClockActive() != kTrue || m_state.strNextAlarm.isEmpty())
        return -1;
    QString text = m_state.strNextAlarm;
    if (text.size() == kShortWidth)
        text += QStringLiteral(":00");
    const QTime due = QTime::fromString(text, QStringLiteral("HH:mm:ss"));
    if (!due.isValid())
        return -1;
    const int ms = now().msecsTo(due);
    return ms > 0 ? ms : -1;
}

void ClockTick::fireHead(bool onTime)
{
    // The event is taken off the list and the next one asked for before any sound or window, which may let
    // other events run: nothing can fire it a second time. `strNextAlarm` names it until it has fired, for the
    // sound's error boxes; a tick meanwhile does nothing.
    const QString eventTime = m_nextEventTime;
    // A late window names the time as the tick holds it: "hh:mm" on the second-0 check while seconds are not
    // compared, the whole time when the head was read in this tick.
    const QString shownTime = m_state.strNextAlarm;
    const QString playTimes = m_state.strPlayTimes;
    const auto forgetEvent = qScopeGuard([this] { m_state.strNextAlarm.clear(); });
    m_nextEventTime.clear();
    m_state.bRefreshNext = kTrue;

    AlarmDataList& lstData = m_lists.lstData;
    if (eventTime.isEmpty() || AlarmLines::lineTime(lstData.head()) != eventTime) {
        // The list changed since its head was read (the event was deleted): nothing to fire.
        m_state.bAlarmsPending = toFlag(!lstData.isEmpty());
        return;
    }
    lstData.removeAt(0);
    m_state.bAlarmsPending = toFlag(!lstData.isEmpty());
    m_firedThisTick = true;

    if (onTime)
        m_actions.PlaySound(playTimes, m_state.strSongPath);
    else
        m_actions.openMessageWindow(QStringLiteral("alarm at ") + shownTime);
    sShowMsg(eventTime);
}

void ClockTick::sShowMsg(const QString& tTime)
{
    // The whole "hh:mm:ss" is matched, also while seconds are not compared: two events of one minute each
    // keep their own message.
    if (m_lists.lstMessage.isEmpty())
        return;
    if (const std::optional<QString> line = m_lists.lstMessage.takeFirstWithTime(tTime))
        m_actions.openMessageWindow(*line);
}

void ClockTick::RefreshNextAlarm()
{
    if (m_state.bAlarmsPending == kTrue && m_state.bRefreshNext == kTrue) {
        const QString head = m_lists.lstData.head();
        const QStringView start = QStringView(head).left(2);
        if (start == QLatin1String("on"))
            m_state.strPlayTimes = QStringLiteral("once");
        else if (start == QLatin1String("tw"))
            m_state.strPlayTimes = QStringLiteral("twice");
        else if (start == QLatin1String("th"))
            m_state.strPlayTimes = QStringLiteral("thrice");
        else if (start == QLatin1String("re"))
            m_state.strPlayTimes = QStringLiteral("repeat");
        m_state.strNextAlarm = AlarmLines::lineTime(head);
        m_nextEventTime = m_state.strNextAlarm;
        m_state.bRefreshNext = kFalse;
        CheckMissedAlarm();
    } else if (m_state.bAlarmsPending == kFalse && m_state.bRefreshNext == kTrue) {
        m_state.strNextAlarm.clear();
        m_state.strPlayTimes.clear();
        m_nextEventTime.clear();
        m_state.bRefreshNext = kFalse;
    }
}

void ClockTick::CheckMissedAlarm()
{
    const QString N = m_state.strNextAlarm;
    if (N.isEmpty())
        return;
    const QString T = timeText(now());
    // An event of this very second (minute, while seconds are not compared) is on time, not missed: the exact
    // match only did not see it because the head was read after it. After a firing in the same tick it waits
    // for the next tick's match, so two events of one minute sound one after the other.
    const int width = m_state.bNoSecond == kTrue ? kShortWidth : 8;
    if (N.left(width) == T.left(width)) {
        if (!m_firedThisTick)
            fireHead(true);
        return;
    }
    if (isPassed(N, T))
        fireHead(false);
}

bool ClockTick::isPassed(const QString& N, const QString& T)
{
    const QStringView n(N);
    const QStringView t(T);
    const QStringView nh = n.left(2), nm = n.mid(3, 2), ns = n.right(2);
    const QStringView th = t.left(2), tm = t.mid(3, 2), ts = t.right(2);
    return (nh == th && nm == tm && ns.compare(ts) <= 0) || (nh == th && nm.compare(tm) < 0) || nh.compare(th) < 0;
}

void ClockTick::SecondChecks()
{
    if (now().second() == 0 && m_state.bAlarmsPending == kTrue)
        CheckMissedAlarm();
    if (now().second() == 30 && m_state.bEMPlayOn == kTrue)
        CheckChimeMissed();
    if (now().second() == 45 && m_state.iWPNext != -1)
        CheckWallpaperMissed();
}

void ClockTick::ChimeTick()
{
    if (m_state.bEMPlayOn != kTrue)
        return;
    const QTime t = now();
    const int current = m_state.iEMInterval == 60 ? t.hour() : t.minute();
    if (current != m_state.iEMNext)
        return;
    if (m_state.bSoundOn == kTrue && t.second() < 3)
        m_actions.playChime(m_state.deliveredFile(QStringLiteral("didi.snd")));
    RenewChimeMark();
}

void ClockTick::RenewChimeMark()
{
    TimeCalc().NextChimeTime(m_state.iEMInterval, m_state.iEMNext, now());
}

ClockTick::ChimeCatchUp ClockTick::chimeCatchUp(qint16 iEMInterval, qint16 iEMNext, int hour, int minute)
{
    if (iEMInterval == 60) {
        if (iEMNext < hour && !(iEMNext == 0 && hour == 23))
            return ChimeCatchUp::NextHour;
        return ChimeCatchUp::Nothing;
    }
    if (iEMNext < minute && !(iEMNext == 0 && minute >= 30))
        return ChimeCatchUp::Recompute;
    return ChimeCatchUp::Nothing;
}

void ClockTick::CheckChimeMissed()
{
    const QTime t = now();
    switch (chimeCatchUp(m_state.iEMInterval, m_state.iEMNext, t.hour(), t.minute())) {
    case ChimeCatchUp::NextHour:
        m_state.iEMNext = static_cast<qint16>((m_state.iEMNext + 1) % 24);
        break;
    case ChimeCatchUp::Recompute:
        m_actions.chkEMPlay_Click();
        break;
    case ChimeCatchUp::Nothing:
        break;
    }
}

bool ClockTick::wallpaperMarkOutOfLine(qint16 iWPInterval, qint16 iWPNext, int hour, int minute)
{
    if (iWPInterval >= 60)
        return iWPNext < hour && iWPNext != 0;
    if (iWPNext < minute)
        return !(iWPNext == 0 && minute >= 30 && 60 - minute <= iWPInterval);
    if (iWPNext > minute)
        return iWPNext - minute > iWPInterval;
    return false;
}

void ClockTick::CheckWallpaperMissed()
{
    const QTime t = now();
    if (!wallpaperMarkOutOfLine(m_state.iWPInterval, m_state.iWPNext, t.hour(), t.minute()))
        return;
    m_state.bWPCatchUp = kTrue;
    m_actions.chkChange_Click();
}

void ClockTick::IdleCleanup()
{
    if (m_state.bAlarmsPending != kFalse || m_state.bAlarmSetOpen != kFalse)
        return;
    m_actions.unloadAlarmSetWindow();
    if (m_state.iWPNext == -1 && m_state.bEMPlayOn == kFalse)
        m_state.setClockActive(kFalse);
}
