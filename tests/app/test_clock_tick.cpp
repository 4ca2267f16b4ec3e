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
    void chkChange_Click() override { log.append(QString("wallpaper recompute %1").arg(*catchUp)); }
    void unloadForm4() override { ++unloads; }
    Flag* catchUp = nullptr;
    std::function<void()> duringSound;
    QStringList log;
    int unloads = 0;
};

// One program's worth of alarm engine over a fake clock at 08:00 of kDay.
struct Engine
{
    Engine()
    {
        state.strAppPath = "/p/";
        state.setStartupDefaults();
        actions.catchUp = &state.bWPCatchUp;
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
        const QStringList f = QTime::fromString(time24, "HH:mm:ss").toString("h|m|s|AP").split('|');
        QString times = "once";
        return logic.AddClick(f[3], word, times, TimeBoxes{f[0], f[1], f[2]}).bInserted == kTrue;
    }
    /// Adds an event as loading a file does: it keeps its seconds.
    bool load(const QString& time24, const QString& word)
    {
        const bool in = logic.Sorting(time24, word);
        state.setClockActive(kTrue);
        state.bAlarmsPending = toFlag(!lists.lstData.isEmpty());
        return in;
    }
    void chime(int interval, int mark)
    {
        state.bEMPlayOn = kTrue;
        state.setClockActive(kTrue);
        state.iEMInterval = static_cast<qint16>(interval);
        state.iEMNext = static_cast<qint16>(mark);
    }
    void tickOnce()
    {
        tick.Timer1_Timer();
        clock.advance(kTickMs);
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
        QStringList next;
        for (const Flag noSecond : {kTrue, kTrue, kFalse}) {
            e.state.bNoSecond = noSecond;
            e.tickOnce();
            next.append(e.state.strNextAlarm);
        }
        QCOMPARE(next.mid(1), (QStringList{"08:30", "08:30:00"}));
    }

    // How long until the next event's second begins, for the clock's wake on it.
    void msUntilNextEvent_data()
    {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<bool>("noSecond");
        QTest::addColumn<int>("expected");
        QTest::newRow("due in 700 ms") << QTime(8, 29, 59, 300) << false << 700;
        QTest::newRow("minute only: from its second 0") << QTime(8, 29, 59, 900) << true << 100;
        QTest::newRow("its second has begun") << QTime(8, 30, 0, 0) << false << -1;
        QTest::newRow("hours ahead") << QTime(6, 0, 0) << false << 9000000;
    }
    void msUntilNextEvent()
    {
        QFETCH(QTime, now);
        QFETCH(bool, noSecond);
        QFETCH(int, expected);
        Engine e;
        e.at(QTime(6, 0, 0));
        QCOMPARE(e.tick.msUntilNextEvent(), -1); // nothing known yet
        QVERIFY(e.add("08:30:00"));
        e.state.bNoSecond = toFlag(noSecond);
        e.tick.Timer1_Timer();
        e.at(now);
        QCOMPARE(e.tick.msUntilNextEvent(), expected);
        e.state.setClockActive(kFalse);
        QCOMPARE(e.tick.msUntilNextEvent(), -1);
    }

    void tickInsideATickDoesNothing()
    {
        Engine e;
        e.at(QTime(8, 29, 59, 500));
        QVERIFY(e.add("08:30:00"));
        QVERIFY(e.add("08:30:01"));
        e.tickOnce(); // 08:29:59.5
        e.actions.duringSound = [&e] { e.clock.advance(kTickMs), e.tick.Timer1_Timer(); };
        e.tickOnce(); // 08:30:00.3 fires; the nested tick at 08:30:01.1 does nothing
        QCOMPARE(e.actions.log, QStringList{"sound once /p/ding.wav"});
        QCOMPARE(e.lists.lstData.lines(), QStringList{"once 08:30:01"});
    }

    // With the last event gone the clock idles, unless the Alarm Set window is open or the chime is on.
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
        e.state.setISRepeat(kTrue);
        for (int i = 0; i < 3; ++i)
            e.tickOnce(); // the speaker's repeat keeps going while the clock idles
        QCOMPARE(e.actions.log, (QStringList{"sweep", "sound once /p/ding.wav", "sweep", "sweep"}));
        QVERIFY(e.state.strNextAlarm.isEmpty() && e.state.strPlayTimes.isEmpty() && e.state.bAlarmsPending == kFalse);
        QTEST(e.state.bClockActive() == kFalse, "idle");
        QCOMPARE(e.actions.unloads > 0, alarmSetOpen == kFalse);
    }

    // The chime over a whole day and into the next, for every interval: one sound per mark, in the mark's first
    // seconds, and nothing else (the catch-up at second 30 leaves every mark in line alone).
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
        const QDateTime start(kDay, QTime(0, 0));
        QList<qint64> heard; // minutes from the day's start
        while (e.clock.now() < start.addSecs(25 * 3600 + 30)) {
            const QDateTime t = e.clock.now();
            e.tickOnce();
            if (e.actions.log.isEmpty())
                continue;
            QCOMPARE(e.actions.log, QStringList{"chime /p/didi.snd"});
            QVERIFY(t.time().second() < 3);
            heard.append(start.secsTo(t) / 60);
            e.actions.log.clear();
        }
        QCOMPARE(heard.size(), 25 * 60 / interval);
        for (qsizetype i = 0; i < heard.size(); ++i)
            QCOMPARE(heard[i], (i + 1) * interval);
    }

    // One tick at `now` with a chime or wallpaper mark: the chime's mark reached too late in it for a sound moves
    // on silently; at second 30 a chime mark behind the clock moves on (an hour mark by one hour, a minute mark is
    // computed afresh); at second 45 a wallpaper mark out of line is computed afresh with the catch-up flag up;
    // the wallpaper changes at its mark. Marks in line are left alone: TimeCalc's tests check every mark.
    void marksOnATick_data()
    {
        QTest::addColumn<bool>("chime");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("mark");
        QTest::addColumn<QTime>("now");
        QTest::addColumn<int>("markAfter");
        QTest::addColumn<QString>("log");
        const auto row = [](const char* name, bool chime, int interval, int mark, QTime now, int after,
                            const char* log) {
            QTest::newRow(name) << chime << interval << mark << now << after << QString(log);
        };
        const char* recompute = "wallpaper recompute -1";
        row("chime: mark's hour, too late for a sound", true, 60, 7, QTime(7, 0, 3), 8, "");
        row("chime: hour behind", true, 60, 5, QTime(9, 10, 30), 6, "");
        row("chime: hour behind, not at second 30", true, 60, 5, QTime(9, 10, 31), 5, "");
        row("chime: hour 0 at 22 is behind", true, 60, 0, QTime(22, 10, 30), 1, "");
        row("chime: minute behind", true, 15, 15, QTime(9, 20, 30), 15, "chime recompute");
        row("chime: minute 0 early in the hour", true, 15, 0, QTime(9, 20, 30), 0, "chime recompute");
        row("wallpaper: hour behind", false, 120, 8, QTime(10, 0, 45), 8, recompute);
        row("wallpaper: minute behind", false, 10, 20, QTime(10, 25, 45), 20, recompute);
        row("wallpaper: minute behind, not at second 45", false, 10, 20, QTime(10, 25, 44), 20, "");
        row("wallpaper: 0 further than one interval", false, 10, 0, QTime(10, 45, 45), 0, recompute);
        row("wallpaper: 0 in the first half hour", false, 30, 0, QTime(10, 29, 45), 0, recompute);
        row("wallpaper: too far ahead", false, 5, 40, QTime(10, 30, 45), 40, recompute);
        row("wallpaper: one interval ahead", false, 5, 35, QTime(10, 30, 45), 35, "");
        row("wallpaper: the minute mark", false, 5, 30, QTime(10, 30, 0), 30, "wallpaper");
        row("wallpaper: the hour mark", false, 120, 10, QTime(10, 5, 0), 10, "wallpaper");
    }
    void marksOnATick()
    {
        QFETCH(bool, chime);
        QFETCH(int, interval);
        QFETCH(int, mark);
        QFETCH(QTime, now);
        Engine e;
        e.at(now);
        e.state.setClockActive(kTrue);
        if (chime) {
            e.chime(interval, mark);
        } else {
            e.state.iWPInterval = static_cast<qint16>(interval);
            e.state.iWPNext = static_cast<qint16>(mark);
        }
        e.tickOnce();
        QTEST(e.actions.log.join(", "), "log");
        QTEST(int(chime ? e.state.iEMNext : e.state.iWPNext), "markAfter");
    }

    // A day of random use: events added (in the window or from a file) and deleted, the machine suspended and the
    // clock set back. Every event fires once, the earliest pending first, never early; it sounds when it fires in
    // its own second (minute), else reports "alarm at" its time at second 0 (or at once when the head was just
    // read afresh); it shows its own message.
    void simulatedDay_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<bool>("noSecond");
        for (quint32 seed : {11u, 12u, 13u})
            for (bool noSecond : {false, true})
                QTest::addRow("seed %u%s", seed, noSecond ? ", without seconds" : "") << seed << noSecond;
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
        std::map<QString, std::pair<QString, QString>> pending; // by time: the word and the message (or none)
        int onTime = 0, late = 0, jumpsBack = 0, deletes = 0;
        const QTime lastAdd(23, 50, 0);
        bool fired = false;
        while (e.clock.now().date() == kDay && e.clock.now().time() < QTime(23, 59, 59, 200)) {
            const QTime now = e.clock.now().time();
            const bool busy = now < lastAdd;
            bool reread = fired; // the head is read afresh after a firing, an add or a delete
            const quint32 roll = random.bounded(10000u);
            if (busy && roll < 60) {
                const int ahead = 1 + random.bounded(noSecond ? 3 * 3600 : 2 * 3600);
                QString time = now.addSecs(std::min(ahead, now.secsTo(lastAdd))).toString("HH:mm:ss");
                const bool load = random.bounded(2);
                if (noSecond && !load)
                    time = time.left(6) + "00"; // the window drops the seconds not compared
                const QString word = QStringList{"once", "twice", "thrice", "repeat!"}[random.bounded(4)];
                const bool in = load ? e.load(time, word) : e.add(time, word);
                reread = true;
                QCOMPARE(in, time > now.toString("HH:mm:ss") && !pending.count(time));
                if (in) {
                    const QString message =
                        random.bounded(2) ? AlarmLines::messageLine(QString("note %1").arg(roll), time) : QString();
                    if (!message.isEmpty())
                        e.lists.lstMessage.append(message);
                    pending[time] = {word, message};
                }
            } else if (roll < 80 && !pending.empty()) {
                e.lists.lstData.setSelected(random.bounded(static_cast<int>(e.lists.lstData.count())));
                QVERIFY(pending.erase(AlarmLines::lineTime(e.lists.lstData.selectedLine())));
                e.logic.deleteClick();
                reread = true;
                ++deletes;
            } else if (busy && roll < 82) { // suspended, waking before the quiet end of the day
                e.clock.advance(1000 *
                                (60 + random.bounded(std::min(30 * 60, std::max(61, now.secsTo(lastAdd)) - 60))));
            } else if (busy && roll < 84 && now > QTime(1, 0)) {
                e.clock.advance(-1000 * (1 + random.bounded(qMin(3600, now.msecsSinceStartOfDay() / 1000 - 60))));
                ++jumpsBack;
            }
            if (e.clock.now().date() != kDay || e.clock.now().time() >= QTime(23, 59, 59, 200))
                break;

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
            bool firedLate = false;
            if (fired) {
                QVERIFY2(cut(head) <= cut(tickText), qPrintable(context + ": fired early"));
                const auto [word, message] = pending.begin()->second;
                firedLate = cut(head) != cut(tickText);
                QVERIFY2(!firedLate || reread || tickText.endsWith(":00"), qPrintable(context + ": not at second 0"));
                // Late, the time is named as the tick left it: to the minute while seconds are not compared, whole
                // when just read.
                expected << (firedLate ? "window alarm at " + (reread ? head : cut(head))
                                       : "sound " + QString(word).remove('!') + " /p/ding.wav");
                (firedLate ? late : onTime)++;
                if (!message.isEmpty())
                    expected << "window " + message;
                pending.erase(pending.begin());
            } else if (!head.isEmpty()) { // due now, or passed at second 0: it must have fired
                QVERIFY2(cut(head) != cut(tickText) && (head > tickText || !tickText.endsWith(":00")),
                         qPrintable(context));
            }
            QCOMPARE(e.actions.log, expected);
            // The next alarm is the earliest pending event, read on the next tick after a late firing.
            const QString next = e.state.strNextAlarm, nextHead = pending.empty() ? QString() : pending.begin()->first;
            QVERIFY2(cut(next) == cut(nextHead) || (next.isEmpty() && fired && (reread || firedLate)),
                     qPrintable(context + ", next " + next));
        }
        QVERIFY(pending.empty() && e.lists.lstMessage.isEmpty());
        QVERIFY(onTime > 50 && late > 10 && jumpsBack > 10 && deletes > 10); // the day went through every road
    }
};

QTEST_APPLESS_MAIN(TestClockTick)
#include "test_clock_tick.moc"
