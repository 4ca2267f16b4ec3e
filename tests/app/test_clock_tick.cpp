#include <functional>
#include <map>

#include <QRandomGenerator>
#include <QTest>

#include "alarms/alarm_lines.h"
#include "alarms/alarm_list_logic.h"
#include "alarms/alarm_lists.h"
#include "app/clock_tick.h"
#include "app/shared_state.h"
#include "fake_clock.h"
#include "fake_warnings.h"

namespace {
constexpr int kTickMs = 800;
const QDate kDay(2026, 12, 6);

// Records what the tick asked for, in order; unloads of the Alarm Set window are only counted.
class FakeTickActions final : public TickActions
{
public:
    void PlaySound(const QString& strTimes, const QString& sSoundName) override
    {
        log.append("sound " + strTimes + ' ' + sSoundName);
        if (duringSound)
            duringSound();
    }
    void InternalSpeaker() override { log.append("sweep"); }
    void openMessageWindow(const QString& text) override { log.append("window " + text); }
    void playChime(const QString& path) override { log.append("chime " + path); }
    void chkEMPlay_Click() override { log.append("chime recompute"); }
    void EMShowToShow() override { log.append("wallpaper"); }
    void chkChange_Click() override { log.append(QString("wallpaper recompute %1").arg(state->bWPCatchUp)); }
    void unloadForm4() override { ++unloads; }

    Module1* state = nullptr;
    std::function<void()> duringSound;
    QStringList log;
    int unloads = 0;
};

// One program's worth of alarm engine over a fake clock.
struct Engine
{
    Engine()
    {
        state.strAppPath = "/p/";
        state.setStartupDefaults();
        actions.state = &state;
    }
    FakeClock clock{QDateTime(kDay, QTime(8, 0, 0))};
    Module1 state;
    AlarmLists lists;
    FakeWarnings warnings;
    FakeTickActions actions;
    ClockTick tick{state, lists, clock, actions};
    Form8 logic{state, lists, warnings, clock};

    void at(const QTime& t) { clock.set(QDateTime(kDay, t)); }
    /// Adds an event as the Alarm Set window does.
    bool add(const QString& time24, const QString& word = "once")
    {
        const QTime t = QTime::fromString(time24, "HH:mm:ss");
        const int h12 = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
        QString times = "once";
        const AddResult r =
            logic.AddClick(t.hour() < 12 ? "AM" : "PM", word, times,
                           TimeBoxes{QString::number(h12), QString::number(t.minute()), QString::number(t.second())});
        return r.bInserted == kTrue;
    }
    void chime(int interval, int mark)
    {
        state.bEMPlayOn = kTrue;
        state.bClockActive = kTrue;
        state.iEMInterval = static_cast<qint16>(interval);
        state.iEMNext = static_cast<qint16>(mark);
    }
    void tickOnce()
    {
        tick.Timer1_Timer();
        clock.advance(kTickMs);
    }
    /// Ticks every 800 ms while the clock is before `end`.
    void tickUntil(const QTime& end)
    {
        while (clock.now().time() < end)
            tickOnce();
    }
};
} // namespace

class TestClockTick : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Seconds compared again: the short next-alarm time is completed with ":00".
    void secondsBackOnCompleteTheShortTime()
    {
        Engine e;
        QVERIFY(e.add("08:30:45"));
        e.state.bNoSecond = kTrue;
        e.tickOnce();
        e.tickOnce();
        QCOMPARE(e.state.strNextAlarm, "08:30");
        e.state.bNoSecond = kFalse;
        e.tickOnce();
        QCOMPARE(e.state.strNextAlarm, "08:30:00");
    }

    // Two events of one minute with seconds not compared fire on the minute's first two ticks (the second is
    // read in the tick the first fires), each showing its own message after its sound.
    void oneMinuteTwoEventsEachWithItsMessage()
    {
        Engine e;
        e.at(QTime(8, 29, 0));
        e.state.bNoSecond = kTrue;
        e.state.bClockActive = kTrue;
        // Loaded from a file, so they keep their seconds.
        QVERIFY(e.logic.Sorting("08:30:50", "thrice"));
        QVERIFY(e.logic.Sorting("08:30:10", "once"));
        e.state.bAlarmsPending = kTrue;
        e.lists.lstMessage.append("second at 08:30:50");
        e.lists.lstMessage.append("first at 08:30:10");
        e.tickUntil(QTime(8, 30, 0));
        QVERIFY(e.actions.log.isEmpty());
        e.tickOnce();
        QCOMPARE(e.actions.log, (QStringList{"sound once /p/ding.wav", "window first at 08:30:10"}));
        QCOMPARE(e.state.strNextAlarm, "08:30:50");
        e.tickOnce();
        QCOMPARE(e.actions.log.mid(2), (QStringList{"sound thrice /p/ding.wav", "window second at 08:30:50"}));
    }

    void tickInsideATickDoesNothing()
    {
        Engine e;
        e.at(QTime(8, 29, 59, 500));
        QVERIFY(e.add("08:30:00"));
        QVERIFY(e.add("08:30:01"));
        e.tickOnce(); // 08:29:59.5
        e.actions.duringSound = [&e] {
            e.clock.advance(kTickMs);
            e.tick.Timer1_Timer();
        };
        e.tickOnce(); // 08:30:00.3 fires; the nested tick at 08:30:01.1 does nothing
        QCOMPARE(e.actions.log, QStringList{"sound once /p/ding.wav"});
        QCOMPARE(e.lists.lstData.lines(), QStringList{"once 08:30:01"});
    }

    void lastEventLetsTheClockIdle_data()
    {
        QTest::addColumn<Flag>("alarmSetOpen");
        QTest::addColumn<Flag>("chime");
        QTest::addColumn<bool>("idle");
        QTest::newRow("nothing left") << kFalse << kFalse << true;
        QTest::newRow("Alarm Set open") << kTrue << kFalse << false;
        QTest::newRow("chime on") << kFalse << kTrue << false;
    }
    void lastEventLetsTheClockIdle()
    {
        QFETCH(Flag, alarmSetOpen);
        QFETCH(Flag, chime);
        Engine e;
        e.at(QTime(8, 29, 59, 500));
        QVERIFY(e.add("08:30:00"));
        e.state.bAlarmSetOpen = alarmSetOpen;
        e.chime(60, 9);
        e.state.bEMPlayOn = chime;
        e.tickOnce();
        e.tickOnce();
        QVERIFY(e.state.strNextAlarm.isEmpty());
        QVERIFY(e.state.strPlayTimes.isEmpty());
        QCOMPARE(e.state.bAlarmsPending, kFalse);
        QTEST(e.state.bClockActive == kFalse, "idle");
        QCOMPARE(e.actions.unloads > 0, alarmSetOpen == kFalse);
    }

    void speakerRepeatKeepsGoingWhileIdle()
    {
        Engine e;
        e.state.bISRepeat = kTrue;
        e.tickOnce();
        e.tickOnce();
        QCOMPARE(e.state.bClockActive, kFalse);
        QCOMPARE(e.actions.log, (QStringList{"sweep", "sweep"}));
    }

    // The chime over a whole day, for every interval: one sound per mark, in the mark's first seconds.
    void chimeSoundsOncePerMark_data()
    {
        QTest::addColumn<int>("interval");
        for (int i : {1, 2, 3, 4, 5, 10, 15, 30, 60})
            QTest::addRow("every %d", i) << i;
    }
    void chimeSoundsOncePerMark()
    {
        QFETCH(int, interval);
        Engine e;
        e.at(QTime(0, 0, 0, 300));
        e.chime(interval, interval == 60 ? 1 : interval);
        QList<int> heard; // minutes of the day
        while (e.clock.now().date() == kDay) {
            const QTime t = e.clock.now().time();
            e.tickOnce();
            if (e.actions.log.isEmpty())
                continue;
            QCOMPARE(e.actions.log, QStringList{"chime /p/didi.snd"});
            QVERIFY(t.second() < 3);
            heard.append(t.hour() * 60 + t.minute());
            e.actions.log.clear();
        }
        QCOMPARE(heard.size(), interval == 60 ? 23 : 24 * 60 / interval - 1);
        for (qsizetype i = 0; i < heard.size(); ++i)
            QCOMPARE(heard[i], static_cast<int>(i + 1) * interval);
    }

    void chimeMarkStepsAfterASuspend()
    {
        Engine e;
        e.at(QTime(7, 0, 3));
        e.chime(60, 7);
        e.tickOnce(); // the mark's hour, but too late in it for a sound
        QCOMPARE(e.state.iEMNext, qint16(8));
        e.at(QTime(11, 0, 30));
        e.tickOnce();
        QCOMPARE(e.state.iEMNext, qint16(9)); // one hour per minute, at second 30
        e.at(QTime(11, 1, 30));
        e.tickOnce();
        QCOMPARE(e.state.iEMNext, qint16(10));
        QVERIFY(e.actions.log.isEmpty());
    }

    // Marks in line with the clock are left alone: TimeCalc's tests check every mark it computes.
    void chimeCatchUp_data()
    {
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("mark");
        QTest::addColumn<QTime>("now");
        QTest::addColumn<ClockTick::ChimeCatchUp>("expected");
        using C = ClockTick::ChimeCatchUp;
        QTest::newRow("hour behind") << 60 << 5 << QTime(9, 10) << C::NextHour;
        QTest::newRow("hour 0 at 22 is behind") << 60 << 0 << QTime(22, 10) << C::NextHour;
        QTest::newRow("minute behind") << 15 << 15 << QTime(9, 20) << C::Recompute;
        QTest::newRow("minute 0 early in the hour") << 15 << 0 << QTime(9, 20) << C::Recompute;
    }
    void chimeCatchUp()
    {
        QFETCH(int, interval);
        QFETCH(int, mark);
        QFETCH(QTime, now);
        QTEST(ClockTick::chimeCatchUp(qint16(interval), qint16(mark), now.hour(), now.minute()), "expected");
    }

    void wallpaperCatchUp_data()
    {
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("mark");
        QTest::addColumn<QTime>("now");
        QTest::addColumn<bool>("recompute");
        QTest::newRow("hours: mark behind") << 120 << 8 << QTime(10, 0) << true;
        QTest::newRow("minutes: behind") << 10 << 20 << QTime(10, 25) << true;
        QTest::newRow("minutes: 0 further than one interval") << 10 << 0 << QTime(10, 45) << true;
        QTest::newRow("minutes: 0 in the first half hour") << 30 << 0 << QTime(10, 29) << true;
        QTest::newRow("minutes: too far ahead") << 5 << 40 << QTime(10, 30) << true;
        QTest::newRow("minutes: now") << 5 << 30 << QTime(10, 30) << false;
    }
    void wallpaperCatchUp()
    {
        QFETCH(int, interval);
        QFETCH(int, mark);
        QFETCH(QTime, now);
        QTEST(ClockTick::wallpaperMarkOutOfLine(qint16(interval), qint16(mark), now.hour(), now.minute()), "recompute");
    }

    // The wallpaper catch-up runs at second 45 (with the catch-up flag up), the change at the mark's first tick.
    void wallpaperHooksRunOnTheirSeconds()
    {
        Engine e;
        e.state.bClockActive = kTrue;
        e.state.iWPInterval = 10;
        e.state.iWPNext = 0; // out of line at 10:25
        e.at(QTime(10, 25, 44, 500));
        e.tickOnce();
        QVERIFY(e.actions.log.isEmpty());
        e.tickOnce();
        QCOMPARE(e.actions.log, QStringList{"wallpaper recompute -1"});
        e.state.iWPNext = 26;
        e.tickUntil(QTime(10, 26, 0));
        e.tickOnce();
        QCOMPARE(e.actions.log, (QStringList{"wallpaper recompute -1", "wallpaper"}));
    }

    // A day of random use: events added and deleted, the machine suspended (the clock jumps forward) and the
    // clock set back. Every event fires exactly once, always the earliest pending one, never before its time;
    // it sounds exactly when it fires in its own second (minute), otherwise it reports "alarm at" its time, at
    // second 0 unless the head was just read afresh. The next alarm kept is the earliest pending one.
    void simulatedDay_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<bool>("noSecond");
        for (quint32 seed : {11u, 12u, 13u}) {
            QTest::addRow("seed %u, seconds compared", seed) << seed << false;
            QTest::addRow("seed %u, without seconds", seed) << seed << true;
        }
    }
    void simulatedDay()
    {
        QFETCH(quint32, seed);
        QFETCH(bool, noSecond);
        QRandomGenerator random(seed);
        Engine e;
        e.state.bNoSecond = toFlag(noSecond);
        e.at(QTime(0, 0, 1));
        const auto cut = [noSecond](const QString& t) { return t.left(noSecond ? 5 : 8); };
        const QString words[] = {"once", "twice", "thrice", "repeat!"};
        std::map<QString, std::pair<QString, QString>> pending; // by time: the word and the message (or none)
        int onTime = 0, late = 0, jumpsBack = 0, deletes = 0, notes = 0;
        const QTime lastAdd(23, 50, 0);
        bool fired = false;

        while (e.clock.now().date() == kDay) {
            // The user and the machine between two ticks.
            const QTime now = e.clock.now().time();
            const bool quietEnd = now >= lastAdd;
            bool reread = fired; // the head is read afresh after a firing, an add or a delete
            const quint32 roll = random.bounded(10000u);
            if (!quietEnd && roll < 60) {
                const int ahead = 1 + random.bounded(noSecond ? 3 * 3600 : 2 * 3600);
                QString time = now.addSecs(std::min(ahead, now.secsTo(lastAdd))).toString("HH:mm:ss");
                if (noSecond)
                    time = time.left(6) + "00";
                const QString word = words[random.bounded(4)];
                const bool in = e.add(time, word);
                reread = true;
                QCOMPARE(in, time > now.toString("HH:mm:ss") && !pending.count(time));
                if (in) {
                    QString message;
                    if (random.bounded(2))
                        e.lists.lstMessage.append(message =
                                                      AlarmLines::messageLine(QString("note %1").arg(++notes), time));
                    pending[time] = {word, message};
                }
            } else if (roll < 80 && !pending.empty()) {
                e.lists.lstData.setSelected(random.bounded(static_cast<int>(e.lists.lstData.count())));
                QVERIFY(pending.erase(AlarmLines::lineTime(e.lists.lstData.selectedLine())));
                e.logic.deleteClick();
                reread = true;
                ++deletes;
            } else if (!quietEnd && roll < 82) {
                // Suspended for up to half an hour, waking before the quiet end of the day.
                const int limit = std::max(61, now.secsTo(lastAdd));
                e.clock.advance(1000 * (60 + random.bounded(std::min(30 * 60, limit - 60))));
            } else if (!quietEnd && roll < 84 && now > QTime(1, 0)) {
                e.clock.advance(-1000 * (1 + random.bounded(qMin(3600, now.msecsSinceStartOfDay() / 1000 - 60))));
                ++jumpsBack;
            }
            if (e.clock.now().date() != kDay || e.clock.now().time() >= QTime(23, 59, 59, 200))
                break;

            // One tick, checked against what must happen.
            const QString tickText = e.clock.now().time().toString("HH:mm:ss");
            const QString head = pending.empty() ? QString() : pending.begin()->first;
            const QStringList before = e.lists.lstData.lines();
            QCOMPARE(AlarmLines::lineTime(before.value(0)), head);
            const QString context = QString("tick %1, head %2").arg(tickText, head);
            e.actions.log.clear();
            e.tickOnce();
            fired = e.lists.lstData.count() < before.size();
            QCOMPARE(e.lists.lstData.lines(), before.mid(fired ? 1 : 0)); // only the head goes
            QStringList expected;
            if (fired) {
                QVERIFY2(cut(head) <= cut(tickText), qPrintable(context + ": fired early"));
                const auto [word, message] = pending.begin()->second;
                if (cut(head) == cut(tickText)) {
                    expected << "sound " + (word == "repeat!" ? QString("repeat") : word) + " /p/ding.wav";
                    ++onTime;
                } else {
                    QVERIFY2(reread || tickText.endsWith(":00"), qPrintable(context + ": fired before second 0"));
                    expected << "window alarm at " + head;
                    ++late;
                }
                if (!message.isEmpty())
                    expected << "window " + message;
                pending.erase(pending.begin());
            } else if (!head.isEmpty()) {
                // Due now, or passed at second 0: it must have fired.
                QVERIFY2(cut(head) != cut(tickText), qPrintable(context));
                QVERIFY2(head > tickText || !tickText.endsWith(":00"), qPrintable(context));
            }
            QCOMPARE(e.actions.log, expected);
            const QString next = e.state.strNextAlarm;
            QVERIFY2(next.isEmpty() ? fired || pending.empty() : cut(next) == cut(pending.begin()->first),
                     qPrintable(context + ", next " + next));
        }
        QVERIFY2(pending.empty(), qPrintable(QString("%1 events never fired").arg(pending.size())));
        QVERIFY(e.lists.lstMessage.isEmpty());
        // The day really went through every road.
        qInfo("%d on time, %d late, %d deletes, %d set back", onTime, late, deletes, jumpsBack);
        QVERIFY(onTime > 50 && late > 10 && jumpsBack > 10 && deletes > 10);
    }
};

QTEST_APPLESS_MAIN(TestClockTick)
#include "test_clock_tick.moc"
