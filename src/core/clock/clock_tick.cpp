// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/clock/clock_tick.h"

#include <QScopeGuard>

#include "core/alarms/alarm_lines.h"
#include "core/alarms/alarm_lists.h"
#include "core/alarms/snooze.h"
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
    : m_state(state), m_lists(lists), m_clock(clock), m_actions(actions), m_date(clock.now().date())
{
}

void ClockTick::checkDate()
{
    const QDateTime now = m_clock.now();
    if (now.date() == m_date) {
        m_dateSeenAt.reset();
        return;
    }
    if (m_inTick) {
        if (!m_dateSeenAt)
            m_dateSeenAt = now.time();
        return;
    }
    const QTime seenAt = m_dateSeenAt.value_or(now.time());
    m_dateSeenAt.reset();
    m_date = now.date();
    m_actions.newDay(m_date, seenAt);
}

QTime ClockTick::now() const
{
    return m_clock.now().time();
}

void ClockTick::tick()
{
    if (m_inTick)
        return;
    // The new day's plan is in the list before its head is looked at.
    checkDate();
    m_inTick = true;
    m_firedThisTick = false;

    if (m_state.clockActive()) {
        QString current = timeText(now());
        if (m_state.ignoreSeconds) {
            m_state.nextAlarm = m_state.nextAlarm.left(kShortWidth);
            current = current.left(kShortWidth);
        } else if (m_state.nextAlarm.size() == kShortWidth) {
            m_state.nextAlarm += QStringLiteral(":00");
        }

        if (!m_state.nextAlarm.isEmpty() && current == m_state.nextAlarm)
            fireHead(true);
        readNextAlarm();
        secondChecks();
        chimeTick();

        if (m_state.wallpaperMark != -1) {
            const QTime t = now();
            const int current = m_state.wallpaperInterval >= 60 ? t.hour() : t.minute();
            if (current == m_state.wallpaperMark)
                m_actions.changeWallpaper();
        }
        idleCleanup();
    }
    if (m_state.speakerRepeat())
        m_actions.playSpeakerSweep();

    m_inTick = false;
    // After the idle clean-up, which would unload a plan loaded before it.
    if (m_dateSeenAt)
        checkDate();
}

int ClockTick::msUntilNextEvent() const
{
    if (!m_state.clockActive() || m_state.nextAlarm.isEmpty())
        return -1;
    QString text = m_state.nextAlarm;
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
    // other events run: nothing can fire it a second time. `nextAlarm` names it until it has fired, for the
    // sound's error boxes; a tick meanwhile does nothing.
    const QString eventTime = m_nextEventTime;
    // A late window names the time as the tick holds it: "hh:mm" on the second-0 check while seconds are not
    // compared, the whole time when the head was read in this tick.
    const QString shownTime = m_state.nextAlarm;
    const QString playTimes = m_state.nextPlayTimes;
    const auto forgetEvent = qScopeGuard([this] { m_state.nextAlarm.clear(); });
    m_nextEventTime.clear();
    m_state.refreshNext = true;

    AlarmDataList& alarms = m_lists.alarms;
    if (eventTime.isEmpty() || AlarmLines::lineTime(alarms.head()) != eventTime) {
        // The list changed since its head was read (the event was deleted): nothing to fire.
        m_state.alarmsPending = !alarms.isEmpty();
        return;
    }
    FiredEvent fired{AlarmLines::playWord(alarms.head()), eventTime, {}, onTime};
    if (const qsizetype message = m_lists.messages.indexOfTime(eventTime); message >= 0)
        fired.messageLine = m_lists.messages.line(message);
    alarms.removeAt(0);
    m_state.alarmsPending = !alarms.isEmpty();
    m_firedThisTick = true;

    if (!onTime) {
        fireLate(m_actions, m_lists.messages, fired, shownTime);
        return;
    }
    m_actions.alarmFired(fired);
    m_actions.playSound(playTimes, m_state.alarmSoundPath);
    showMessageOf(eventTime);
}

void ClockTick::fireLate(TickActions& actions, MessageList& messages, const FiredEvent& event, const QString& shownTime)
{
    actions.alarmFired(event);
    actions.openMessageWindow(QStringLiteral("alarm at ") + shownTime);
    if (const std::optional<QString> line = messages.takeFirstWithTime(event.time))
        actions.openMessageWindow(*line);
}

void ClockTick::showMessageOf(const QString& eventTime)
{
    // The whole "hh:mm:ss" is matched, also while seconds are not compared: two events of one minute each
    // keep their own message.
    if (m_lists.messages.isEmpty())
        return;
    if (const std::optional<QString> line = m_lists.messages.takeFirstWithTime(eventTime))
        m_actions.openMessageWindow(*line);
}

void ClockTick::readNextAlarm()
{
    if (m_state.alarmsPending && m_state.refreshNext) {
        const QString head = m_lists.alarms.head();
        const QStringView start = QStringView(head).left(2);
        if (start == QLatin1String("on"))
            m_state.nextPlayTimes = QStringLiteral("once");
        else if (start == QLatin1String("tw"))
            m_state.nextPlayTimes = QStringLiteral("twice");
        else if (start == QLatin1String("th"))
            m_state.nextPlayTimes = QStringLiteral("thrice");
        else if (start == QLatin1String("re"))
            m_state.nextPlayTimes = QStringLiteral("repeat");
        m_state.nextAlarm = AlarmLines::lineTime(head);
        m_nextEventTime = m_state.nextAlarm;
        m_state.refreshNext = false;
        checkMissedAlarm();
    } else if (!m_state.alarmsPending && m_state.refreshNext) {
        m_state.nextAlarm.clear();
        m_state.nextPlayTimes.clear();
        m_nextEventTime.clear();
        m_state.refreshNext = false;
    }
}

void ClockTick::checkMissedAlarm()
{
    const QString due = m_state.nextAlarm;
    if (due.isEmpty())
        return;
    const QString current = timeText(now());
    // An event of this very second (minute, while seconds are not compared) is on time, not missed: the exact
    // match only did not see it because the head was read after it. After a firing in the same tick it waits
    // for the next tick's match, so two events of one minute sound one after the other.
    const int width = m_state.ignoreSeconds ? kShortWidth : 8;
    if (due.left(width) == current.left(width)) {
        if (!m_firedThisTick)
            fireHead(true);
        return;
    }
    if (isPassed(due, current))
        fireHead(false);
}

bool ClockTick::isPassed(const QString& due, const QString& current)
{
    const QStringView n(due);
    const QStringView t(current);
    const QStringView nh = n.left(2), nm = n.mid(3, 2), ns = n.right(2);
    const QStringView th = t.left(2), tm = t.mid(3, 2), ts = t.right(2);
    return (nh == th && nm == tm && ns.compare(ts) <= 0) || (nh == th && nm.compare(tm) < 0) || nh.compare(th) < 0;
}

void ClockTick::secondChecks()
{
    if (now().second() == 0 && m_state.alarmsPending)
        checkMissedAlarm();
    if (now().second() == 30 && m_state.chimeOn)
        checkChimeMissed();
    if (now().second() == 45 && m_state.wallpaperMark != -1)
        checkWallpaperMissed();
}

void ClockTick::chimeTick()
{
    if (!m_state.chimeOn)
        return;
    const QTime t = now();
    const int current = m_state.chimeInterval == 60 ? t.hour() : t.minute();
    if (current != m_state.chimeMark)
        return;
    if (m_state.soundOn && t.second() < 3)
        m_actions.playChime(m_state.deliveredFile(QStringLiteral("didi.snd")));
    renewChimeMark();
}

void ClockTick::renewChimeMark()
{
    TimeCalc().nextChimeMark(m_state.chimeInterval, m_state.chimeMark, now());
}

ClockTick::ChimeCatchUp ClockTick::chimeCatchUp(qint16 chimeInterval, qint16 chimeMark, int hour, int minute)
{
    if (chimeInterval == 60) {
        if (chimeMark < hour && !(chimeMark == 0 && hour == 23))
            return ChimeCatchUp::NextHour;
        return ChimeCatchUp::Nothing;
    }
    if (chimeMark < minute && !(chimeMark == 0 && minute >= 30))
        return ChimeCatchUp::Recompute;
    return ChimeCatchUp::Nothing;
}

void ClockTick::checkChimeMissed()
{
    const QTime t = now();
    switch (chimeCatchUp(m_state.chimeInterval, m_state.chimeMark, t.hour(), t.minute())) {
    case ChimeCatchUp::NextHour:
        m_state.chimeMark = static_cast<qint16>((m_state.chimeMark + 1) % 24);
        break;
    case ChimeCatchUp::Recompute:
        m_actions.renewChime();
        break;
    case ChimeCatchUp::Nothing:
        break;
    }
}

bool ClockTick::wallpaperMarkOutOfLine(qint16 wallpaperInterval, qint16 wallpaperMark, int hour, int minute)
{
    if (wallpaperInterval >= 60)
        return wallpaperMark < hour && wallpaperMark != 0;
    if (wallpaperMark < minute)
        return !(wallpaperMark == 0 && minute >= 30 && 60 - minute <= wallpaperInterval);
    if (wallpaperMark > minute)
        return wallpaperMark - minute > wallpaperInterval;
    return false;
}

void ClockTick::checkWallpaperMissed()
{
    const QTime t = now();
    if (!wallpaperMarkOutOfLine(m_state.wallpaperInterval, m_state.wallpaperMark, t.hour(), t.minute()))
        return;
    m_state.wallpaperCatchUp = true;
    m_actions.rescheduleWallpaper();
}

void ClockTick::idleCleanup()
{
    if (m_state.alarmsPending || m_state.alarmSetOpen)
        return;
    m_actions.unloadAlarmSetWindow();
    if (m_state.wallpaperMark == -1 && !m_state.chimeOn)
        m_state.setClockActive(false);
}
