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

// Records what the tick asked for.
class FakeTickActions final : public TickActions
{
public:
    void PlaySound(const QString& strTimes, const QString& sSoundName) override
    {
        sounds.append(strTimes + QLatin1Char('|') + sSoundName);
        if (duringSound)
            duringSound();
    }
    void InternalSpeaker() override { ++sweeps; }
    void openMessageWindow(const QString& text) override { windows.append(text); }
    void playChime(const QString& path) override { chimes.append(path); }
    void chkEMPlay_Click() override { ++chimeRecomputes; }
    void EMShowToShow() override { ++wallpaperChanges; }
    void chkChange_Click() override
    {
        wallpaperCatchUpFlag = state->bWPCatchUp;
        ++wallpaperRecomputes;
    }
    void unloadForm4() override { ++form4Unloads; }

    Module1* state = nullptr;
    std::function<void()> duringSound;
    QStringList sounds;
    QStringList windows;
    QStringList chimes;
    int sweeps = 0;
    int chimeRecomputes = 0;
    int wallpaperChanges = 0;
    int wallpaperRecomputes = 0;
    Flag wallpaperCatchUpFlag = kFalse;
    int form4Unloads = 0;
};

// One program's worth of alarm engine over a fake clock.
struct Engine
{
    Engine()
    {
        state.strAppPath = "/opt/ixo/";
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
    // The event fires on the first tick of its second (or of its minute, with seconds not compared), takes its
    // message along, and the next event is read in the same tick.
    void firesOnItsTick_data()
    {
        QTest::addColumn<bool>("noSecond");
        QTest::addColumn<QString>("event");
        QTest::newRow("seconds compared") << false << "08:30:00";
        QTest::newRow("seconds not compared") << true << "08:30:45";
    }
    void firesOnItsTick()
    {
        QFETCH(bool, noSecond);
        QFETCH(QString, event);
        Engine e;
        e.at(QTime(8, 29, 58, 500));
        QVERIFY(e.add(event, "twice"));
        QVERIFY(e.add("08:31:00"));
        e.lists.lstMessage.append(AlarmLines::messageLine("Tea", event));
        e.state.bNoSecond = toFlag(noSecond);
        e.tickUntil(QTime(8, 30, 0)); // 08:29:58.5, 08:29:59.3
        QVERIFY(e.actions.sounds.isEmpty());
        e.tickOnce(); // 08:30:00.1
        QCOMPARE(e.actions.sounds, QStringList{"twice|/opt/ixo/ding.wav"});
        QCOMPARE(e.actions.windows, QStringList{AlarmLines::messageLine("Tea", event)});
        QCOMPARE(e.lists.lstData.lines(), QStringList{"once 08:31:00"});
        QVERIFY(e.lists.lstMessage.isEmpty());
        QVERIFY(e.state.strNextAlarm.startsWith("08:31"));
        e.tickUntil(QTime(8, 30, 59));
        QCOMPARE(e.actions.sounds.size(), 1);
    }

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

    // Two events of one minute with seconds not compared: each shows its own message, both sound.
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
        e.tickUntil(QTime(8, 30, 1));
        QCOMPARE(e.actions.sounds, (QStringList{"once|/opt/ixo/ding.wav", "thrice|/opt/ixo/ding.wav"}));
        QCOMPARE(e.actions.windows, (QStringList{"first at 08:30:10", "second at 08:30:50"}));
    }

    // A passed event fires late, without sound, on the next second 0; the hour is compared within the day.
    void passedEventFiresLate_data()
    {
        QTest::addColumn<QString>("event");
        QTest::addColumn<QTime>("wake");
        QTest::addColumn<QTime>("fires");
        QTest::newRow("suspended over it") << "08:30:00" << QTime(8, 31, 10) << QTime(8, 32, 0);
        QTest::newRow("hour 01 at 23:00 has passed") << "01:00:00" << QTime(22, 59, 59, 500) << QTime(23, 0, 0);
    }
    void passedEventFiresLate()
    {
        QFETCH(QString, event);
        QFETCH(QTime, wake);
        QFETCH(QTime, fires);
        Engine e;
        e.at(QTime::fromString(event, "HH:mm:ss").addSecs(-60));
        QVERIFY(e.add(event));
        e.tickOnce();
        e.at(wake);
        while (e.actions.windows.isEmpty() && e.clock.now().time() < fires.addSecs(2))
            e.tickOnce();
        QCOMPARE(e.clock.now().addMSecs(-kTickMs).time().toString(), fires.toString());
        QCOMPARE(e.actions.windows, QStringList{"alarm at " + event});
        QVERIFY(e.actions.sounds.isEmpty());
    }

    // An event added for the coming second, read only after the match of its own tick, still sounds.
    void eventReadInItsOwnSecondSounds()
    {
        Engine e;
        e.at(QTime(8, 0, 0, 700));
        QVERIFY(e.add("08:00:01"));
        e.clock.advance(kTickMs); // 08:00:01.5: the first tick after the add
        e.tickOnce();
        QCOMPARE(e.actions.sounds.size(), 1);
        QVERIFY(e.actions.windows.isEmpty());
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
        QCOMPARE(e.actions.sounds.size(), 1);
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
        QFETCH(bool, idle);
        Engine e;
        e.at(QTime(8, 29, 59, 500));
        QVERIFY(e.add("08:30:00"));
        e.state.bAlarmSetOpen = alarmSetOpen;
        e.state.bEMPlayOn = chime;
        e.state.iEMInterval = 60;
        e.state.iEMNext = 9;
        e.tickOnce();
        e.tickOnce();
        QVERIFY(e.state.strNextAlarm.isEmpty());
        QVERIFY(e.state.strPlayTimes.isEmpty());
        QCOMPARE(e.state.bAlarmsPending, kFalse);
        QCOMPARE(e.state.bClockActive == kFalse, idle);
        QCOMPARE(e.actions.form4Unloads > 0, alarmSetOpen == kFalse);
    }

    void speakerRepeatKeepsGoingWhileIdle()
    {
        Engine e;
        e.state.bISRepeat = kTrue;
        e.tickOnce();
        e.tickOnce();
        QCOMPARE(e.state.bClockActive, kFalse);
        QCOMPARE(e.actions.sweeps, 2);
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
        e.state.bEMPlayOn = kTrue;
        e.state.bClockActive = kTrue;
        e.state.iEMInterval = static_cast<qint16>(interval);
        e.state.iEMNext = static_cast<qint16>(interval == 60 ? 1 : interval);
        QList<QTime> heard;
        while (e.clock.now().date() == kDay) {
            const qsizetype before = e.actions.chimes.size();
            e.tickOnce();
            if (e.actions.chimes.size() > before)
                heard.append(e.clock.now().addMSecs(-kTickMs).time());
        }
        const int expected = interval == 60 ? 23 : 24 * 60 / interval - 1;
        QCOMPARE(heard.size(), expected);
        for (qsizetype i = 0; i < heard.size(); ++i) {
            const int minuteOfDay = heard[i].hour() * 60 + heard[i].minute();
            QCOMPARE(minuteOfDay, static_cast<int>(i + 1) * interval);
            QVERIFY(heard[i].second() < 3);
        }
        QCOMPARE(e.actions.chimes.first(), "/opt/ixo/didi.snd");
        QCOMPARE(e.actions.chimeRecomputes, 0);
    }

    void chimeMarkStepsAfterASuspend()
    {
        Engine e;
        e.at(QTime(7, 0, 3));
        e.state.bEMPlayOn = kTrue;
        e.state.bClockActive = kTrue;
        e.state.iEMInterval = 60;
        e.state.iEMNext = 7;
        e.tickOnce(); // 07:00:03: the mark's hour, but too late in it for a sound
        QVERIFY(e.actions.chimes.isEmpty());
        QCOMPARE(e.state.iEMNext, qint16(8));

        e.at(QTime(11, 0, 30));
        e.tickOnce();
        QCOMPARE(e.state.iEMNext, qint16(9)); // one hour per minute, at second 30
        e.at(QTime(11, 1, 30));
        e.tickOnce();
        QCOMPARE(e.state.iEMNext, qint16(10));
        QVERIFY(e.actions.chimes.isEmpty());
    }

    void chimeCatchUp_data()
    {
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("mark");
        QTest::addColumn<QTime>("now");
        QTest::addColumn<ClockTick::ChimeCatchUp>("expected");
        using C = ClockTick::ChimeCatchUp;
        QTest::newRow("hour behind") << 60 << 5 << QTime(9, 10) << C::NextHour;
        QTest::newRow("hour 0 at 23 is midnight") << 60 << 0 << QTime(23, 10) << C::Nothing;
        QTest::newRow("hour 0 at 22 is behind") << 60 << 0 << QTime(22, 10) << C::NextHour;
        QTest::newRow("hour ahead") << 60 << 10 << QTime(9, 10) << C::Nothing;
        QTest::newRow("minute behind") << 15 << 15 << QTime(9, 20) << C::Recompute;
        QTest::newRow("minute 0 late in the hour") << 15 << 0 << QTime(9, 50) << C::Nothing;
        QTest::newRow("minute 0 early in the hour") << 15 << 0 << QTime(9, 20) << C::Recompute;
        QTest::newRow("minute ahead") << 15 << 30 << QTime(9, 20) << C::Nothing;
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
        QTest::newRow("hours: mark 0 is midnight") << 120 << 0 << QTime(23, 0) << false;
        QTest::newRow("hours: ahead") << 60 << 11 << QTime(10, 0) << false;
        QTest::newRow("minutes: behind") << 10 << 20 << QTime(10, 25) << true;
        QTest::newRow("minutes: 0 within one interval") << 10 << 0 << QTime(10, 55) << false;
        QTest::newRow("minutes: 0 further than one interval") << 10 << 0 << QTime(10, 45) << true;
        QTest::newRow("minutes: 0 in the first half hour") << 30 << 0 << QTime(10, 29) << true;
        QTest::newRow("minutes: too far ahead") << 5 << 40 << QTime(10, 30) << true;
        QTest::newRow("minutes: one interval ahead") << 5 << 35 << QTime(10, 30) << false;
        QTest::newRow("minutes: now") << 5 << 30 << QTime(10, 30) << false;
    }
    void wallpaperCatchUp()
    {
        QFETCH(int, interval);
        QFETCH(int, mark);
        QFETCH(QTime, now);
        QTEST(ClockTick::wallpaperMarkOutOfLine(qint16(interval), qint16(mark), now.hour(), now.minute()), "recompute");
    }

    void wallpaperHooksRunOnTheirSeconds()
    {
        Engine e;
        e.state.bClockActive = kTrue;
        e.state.iWPInterval = 10;
        e.state.iWPNext = 0; // out of line at 10:25
        e.at(QTime(10, 25, 44, 500));
        e.tickOnce();
        QCOMPARE(e.actions.wallpaperRecomputes, 0);
        e.tickOnce(); // second 45
        QCOMPARE(e.actions.wallpaperRecomputes, 1);
        QCOMPARE(e.actions.wallpaperCatchUpFlag, kTrue);

        e.state.iWPNext = 26;
        e.tickUntil(QTime(10, 26, 0));
        QCOMPARE(e.actions.wallpaperChanges, 0);
        e.tickOnce();
        QCOMPARE(e.actions.wallpaperChanges, 1);
    }

    // A day of random use: events added and deleted, the machine suspended (the clock jumps forward) and the
    // clock set back. Every event fires exactly once, always the earliest pending one, never before its time;
    // it sounds exactly when it fires in its own second (minute), otherwise it reports "alarm at" its time.
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
        const int width = noSecond ? 5 : 8;
        auto cut = [width](const QString& t) { return t.left(width); };
        const QString wordOf[] = {"once", "twice", "thrice", "repeat!"};

        struct Pending
        {
            QString word;
            QString message; // empty: none
        };
        std::map<QString, Pending> pending; // by time
        int onTime = 0, late = 0, jumpsBack = 0, deletes = 0, refusedPast = 0;
        const QTime lastAdd(23, 50, 0);
        qsizetype messageSeq = 0;

        while (e.clock.now().date() == kDay) {
            const QTime now = e.clock.now().time();
            const QString nowText = now.toString("HH:mm:ss");
            const bool quietEnd = now >= lastAdd;

            // The user and the machine between two ticks.
            const quint32 roll = random.bounded(10000u);
            if (!quietEnd && roll < 60) {
                const int ahead = 1 + random.bounded(noSecond ? 3 * 3600 : 2 * 3600);
                const QTime when = now.addSecs(std::min(ahead, now.secsTo(lastAdd)));
                QString time = when.toString("HH:mm:ss");
                if (noSecond)
                    time = time.left(6) + "00";
                const QString word = wordOf[random.bounded(4)];
                const bool expectIn = time > nowText && !pending.count(time);
                const bool in = e.add(time, word);
                QCOMPARE(in, expectIn);
                if (in) {
                    Pending p{word, QString()};
                    if (random.bounded(2)) {
                        p.message = AlarmLines::messageLine(QStringLiteral("note %1").arg(++messageSeq), time);
                        e.lists.lstMessage.append(p.message);
                    }
                    pending[time] = p;
                }
            } else if (!quietEnd && roll < 70) {
                // A time that has passed is refused.
                const QString past = now.addSecs(-1 - random.bounded(600)).toString("HH:mm:ss");
                if (past < nowText && (!noSecond || past.left(5) < nowText.left(5))) {
                    const qsizetype before = e.lists.lstData.count();
                    e.warnings.shown.clear();
                    e.add(noSecond ? past.left(6) + "00" : past);
                    QCOMPARE(e.warnings.shown, QStringList{Form8::kTimePassed});
                    QCOMPARE(e.lists.lstData.count(), before);
                    ++refusedPast;
                }
            } else if (roll < 90 && !pending.empty()) {
                const qsizetype row = random.bounded(static_cast<int>(e.lists.lstData.count()));
                e.lists.lstData.setSelected(row);
                const QString time = AlarmLines::lineTime(e.lists.lstData.selectedLine());
                e.logic.deleteClick();
                e.logic.deleteClick(); // nothing stays selected: the neighbour survives
                QVERIFY(pending.count(time));
                pending.erase(time);
                ++deletes;
            } else if (!quietEnd && roll < 92) {
                // Suspended for up to half an hour, waking before the quiet end of the day.
                const int limit = std::max(61, now.secsTo(lastAdd));
                e.clock.advance(1000 * (60 + random.bounded(std::min(30 * 60, limit - 60))));
            } else if (!quietEnd && roll < 94 && now > QTime(1, 0)) {
                e.clock.advance(-1000 * (1 + random.bounded(qMin(3600, now.msecsSinceStartOfDay() / 1000 - 60))));
                ++jumpsBack;
            }
            if (e.clock.now().date() != kDay || e.clock.now().time() >= QTime(23, 59, 59, 200))
                break;

            // One tick, checked against what must happen.
            const QString tickText = e.clock.now().time().toString("HH:mm:ss");
            const QString head = pending.empty() ? QString() : pending.begin()->first;
            const qsizetype countBefore = e.lists.lstData.count();
            const QString firstBefore = e.lists.lstData.line(0);
            const QString secondBefore = e.lists.lstData.line(1);
            const qsizetype soundsBefore = e.actions.sounds.size();
            const qsizetype windowsBefore = e.actions.windows.size();
            e.tickOnce();
            const qsizetype countAfter = e.lists.lstData.count();
            const QStringList sounds = e.actions.sounds.mid(soundsBefore);
            const QStringList windows = e.actions.windows.mid(windowsBefore);
            const QString context = QStringLiteral("tick %1, head %2").arg(tickText, head);

            if (countAfter == countBefore) {
                QCOMPARE(e.lists.lstData.line(0), firstBefore);
                QVERIFY2(sounds.isEmpty() && windows.isEmpty(), qPrintable(context));
                // The head is due now: it must have fired. A passed head fires at the latest at second 0.
                QVERIFY2(head.isEmpty() || cut(head) != cut(tickText), qPrintable(context));
                QVERIFY2(head.isEmpty() || head > tickText || !tickText.endsWith(QLatin1String(":00")),
                         qPrintable(context));
                continue;
            }
            QCOMPARE(countAfter, countBefore - 1);
            QCOMPARE(e.lists.lstData.line(0), secondBefore); // only the head goes
            const QString fired = AlarmLines::lineTime(firstBefore);
            QVERIFY2(fired == head, qPrintable(context));
            QVERIFY2(cut(fired) <= cut(tickText), qPrintable(context + ": fired early"));
            const Pending p = pending.begin()->second;
            pending.erase(pending.begin());

            QStringList expectedWindows;
            if (cut(fired) == cut(tickText)) {
                const QString played = p.word == QLatin1String("repeat!") ? "repeat" : p.word;
                QCOMPARE(sounds, QStringList{played + "|/opt/ixo/ding.wav"});
                ++onTime;
            } else {
                QVERIFY2(sounds.isEmpty(), qPrintable(context));
                expectedWindows.append("alarm at " + fired);
                ++late;
            }
            if (!p.message.isEmpty())
                expectedWindows.append(p.message);
            QCOMPARE(windows, expectedWindows);
        }
        QVERIFY2(pending.empty(), qPrintable(QStringLiteral("%1 events never fired").arg(pending.size())));
        QVERIFY(e.lists.lstData.isEmpty());
        QVERIFY(e.lists.lstMessage.isEmpty());
        // The day really went through every road.
        qInfo("%d on time, %d late, %d deletes, %d set back, %d refused", onTime, late, deletes, jumpsBack,
              refusedPast);
        QVERIFY(onTime > 50);
        QVERIFY(late > 10);
        QVERIFY(jumpsBack > 10);
        QVERIFY(deletes > 10);
        QVERIFY(refusedPast > 10);
    }
};

QTEST_APPLESS_MAIN(TestClockTick)
#include "test_clock_tick.moc"
