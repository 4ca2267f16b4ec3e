// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QTemporaryDir>
#include <QTest>

#include "core/alarms/alarm_lines.h"
#include "core/alarms/alarm_list_logic.h"
#include "core/alarms/alarm_lists.h"
#include "core/clock/clock_tick.h"
#include "core/clock/new_day.h"
#include "core/startup/startup_load.h"
#include "core/state/shared_state.h"
#include "fake_clock.h"
#include "fake_warnings.h"
#include "sound_files.h"

namespace {
constexpr int kTickMs = 800;

// Records what the tick asked for, in order, and a new day's plan with the second from which its events are due;
// unloads of the Alarm Set window are only counted.
class FakeTickActions final : public TickActions, public StartupHooks
{
public:
    void playSound(const QString& playTimes, const QString& soundPath) override
    {
        log.append("sound " + playTimes + ' ' + soundPath);
        onSound ? onSound() : void(); // as a sound's error box lets events run
    }
    void playSpeakerSweep() override { log.append("sweep"); }
    void alarmFired(const FiredEvent&) override {}
    void openMessageWindow(const QString& text) override { log.append("window " + text); }
    void playChime(const QString& path) override { log.append("chime " + path); }
    void renewChime() override { log.append("chime recompute"); }
    void changeWallpaper() override { log.append("wallpaper"); }
    void rescheduleWallpaper() override { log.append("wallpaper recompute"); }
    void unloadAlarmSetWindow() override { ++unloads; }
    void newDay(const QDate& date, const QTime& seenAt) override { onNewDay(date, seenAt); }
    void loadAlarmFile(const QString&) override {}
    void reloadAlarmFile(const QString& name, const QTime& from) override { log << name + from.toString(" HH:mm:ss"); }
    void loadWallpaperWindow() override {}
    void selectFontOption(qint16) override {}
    QStringList log;
    int unloads = 0;
    std::function<void(const QDate&, const QTime&)> onNewDay = [](const QDate&, const QTime&) {};
    std::function<void()> onSound;
};

// A new date seen by a "tick" or a "wake", or while a "box" is open in the tick (the wake comes then), going `from`
// `to` ("D HH:MM:SS[.zzz]" in December 2026) with the list `before`; the windows and plan loads logged.
struct DayCase
{
    const char *name, *from, *to, *seen, *before, *log;
    bool unticked = false;
};
const DayCase kDayCases[] = {
    {"midnight, ticking", "6 23:59:59.500", "7 00:00:00.300", "tick", "", "my.dat 00:00:00"},
    {"midnight, idle wake", "6 23:59:59", "7 00:00:00.005", "wake", "", "my.dat 00:00:00"},
    {"clock set back a day", "7 00:10:00", "6 23:50:00", "wake", "", "my.dat 23:50:00"},
    {"clock set within the day", "6 08:00:00", "6 23:59:59", "wake", "once 23:59:59", ""},
    {"asleep: yesterday's events late, then the plan", "6 22:00:00", "7 07:30:00", "tick",
     "once 23:00:00|Tea at 23:00:00|once 23:30:00",
     "window alarm at 23:00:00|window Tea at 23:00:00|window alarm at 23:30:00|my.dat 07:30:00"},
    {"box unticked: the old messages go too", "6 22:00:00", "8 07:30:00", "wake", "once 23:00:00|Gone at 22:30:00",
     "window alarm at 23:00:00", true},
    {"a box over midnight", "6 23:59:59.500", "7 00:00:00.005", "box", "once 23:59:59",
     "sound once /p/ding.wav|my.dat 00:00:00"},
};

// One program's worth of alarm engine over a fake clock at 08:00.
struct Engine
{
    Engine()
    {
        state.appPath = "/p/";
        state.setStartupDefaults();
    }
    FakeClock clock;
    SharedState state;
    AlarmLists lists;
    FakeWarnings warnings;
    FakeTickActions actions;
    ClockTick tick{state, lists, clock, actions};
    AlarmListLogic logic{state, lists, warnings, clock};

    /// Adds an event as loading a file does: it keeps its seconds.
    bool load(const QString& time24, const QString& word = "once")
    {
        const bool in = logic.insert(time24, word);
        state.setClockActive(true);
        state.alarmsPending = !lists.alarms.isEmpty();
        return in;
    }
    void tickOnce() { tick.tick(), clock.advance(kTickMs); }
};
} // namespace

class TestClockTick : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A new date, seen by a tick, by the idle clock's wake (midnight, a jump) or while a tick is busy (a sound's
    // error box, with the wake at 00:00:00.005 and OK at 00:00:30): yesterday's events still in the list fire late
    // once, each with its message, and leave it with the old messages; then "my.dat" comes in (with ixo.ini's box
    // ticked) from the second the change was seen, once. The same date (a clock set within the day) does nothing.
    void newDay_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kDayCases)); ++i)
            QTest::newRow(kDayCases[i].name) << i;
    }
    void newDay()
    {
        QFETCH(int, row);
        const DayCase& c = kDayCases[row];
        const auto at = [](const QString& t) {
            return QDateTime(QDate(2026, 12, t.left(1).toInt()), QTime::fromString(t.mid(2), Qt::ISODateWithMs));
        };
        QTemporaryDir folder;
        QVERIFY(SoundFiles::writeFile(folder.filePath("ixo.ini"),
                                      QByteArray(153, '\0') + QByteArray("[Setting]").leftJustified(17) +
                                          QByteArray("\1\0\1\0", 4) +
                                          QByteArray(c.unticked ? "ALAEOf" : "ALAEOn").leftJustified(30)));
        Engine e;
        e.state.appPath = folder.path() + '/';
        for (const QString& line : QString(c.before).split('|', Qt::SkipEmptyParts))
            QVERIFY(line.contains(" at ") ? e.lists.messages.append(line) : e.load(AlarmLines::lineTime(line)));
        e.clock.set(at(c.from));
        ClockTick tick{e.state, e.lists, e.clock, e.actions};
        NewDay newDay{e.state, e.lists, e.actions, e.actions};
        e.actions.onNewDay = [&](const QDate& date, const QTime& seenAt) { newDay.begin(date, seenAt); };
        e.actions.onSound = [&] {
            e.clock.set(at(c.to));
            tick.checkDate(); // the wake at midnight while the box is up: nothing yet
            QVERIFY(e.actions.log.size() == 1);
            e.clock.advance(30000);
        };
        tick.tick();
        e.clock.set(at(c.to));
        c.seen == QLatin1String("wake") ? tick.checkDate() : tick.tick();
        tick.checkDate();
        QCOMPARE(e.actions.log.join('|'), QString(c.log));
        QCOMPARE(e.lists.alarms.isEmpty() && e.lists.messages.isEmpty(), at(c.from).date() != at(c.to).date());
    }

    // The clock's wake is due as the next event's second begins. With the last event gone the clock idles and the
    // Alarm Set window is unloaded, unless that window is open.
    void lastEventLetsTheClockIdle()
    {
        for (const bool alarmSetOpen : {false, true}) {
            Engine e;
            QCOMPARE(e.tick.msUntilNextEvent(), -1); // nothing known yet
            e.clock.setTime(QTime(8, 29, 58, 500));
            QVERIFY(e.load("08:30:00"));
            e.state.alarmSetOpen = alarmSetOpen;
            e.state.setSpeakerRepeat(true);
            e.tickOnce();
            QCOMPARE(e.tick.msUntilNextEvent(), 700);
            for (int i = 0; i < 3; ++i)
                e.tickOnce(); // the speaker's repeat keeps going while the clock idles
            QCOMPARE(e.actions.log, (QStringList{"sweep", "sweep", "sound once /p/ding.wav", "sweep", "sweep"}));
            QVERIFY(e.state.nextAlarm.isEmpty() && e.state.nextPlayTimes.isEmpty() && !e.state.alarmsPending);
            QCOMPARE(QList<bool>({!e.state.clockActive(), e.actions.unloads > 0}), QList<bool>(2, !alarmSetOpen));
        }
    }

    // One tick at `now` with a chime or wallpaper mark: the chime's mark reached too late in it for a sound moves
    // on silently; at second 30 a chime mark behind the clock moves on (an hour mark by one hour, a minute mark is
    // computed afresh); at second 45 a wallpaper mark out of line is computed afresh; the wallpaper changes at its
    // mark. Marks in line are left alone: TimeCalc's tests check every mark.
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
        row("chime: the mark sounds", true, 15, 30, QTime(9, 30, 2), 45, "chime /s/didi.snd");
        row("chime: mark's hour, too late for a sound", true, 60, 7, QTime(7, 0, 3), 8, "");
        row("chime: hour behind", true, 60, 5, QTime(9, 10, 30), 6, "");
        row("chime: hour 0 at 22 is behind", true, 60, 0, QTime(22, 10, 30), 1, "");
        row("chime: minute 0 early in the hour", true, 15, 0, QTime(9, 20, 30), 0, "chime recompute");
        row("wallpaper: minute behind", false, 10, 20, QTime(10, 25, 45), 20, "wallpaper recompute");
        row("wallpaper: 0 further than one interval", false, 10, 0, QTime(10, 45, 45), 0, "wallpaper recompute");
        row("wallpaper: too far ahead", false, 5, 40, QTime(10, 30, 45), 40, "wallpaper recompute");
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
        e.clock.setTime(now);
        e.state.setClockActive(true);
        e.state.chimeOn = chime, e.state.sharePath = "/s/"; // the chime is delivered, not the user's own
        (chime ? e.state.chimeInterval : e.state.wallpaperInterval) = static_cast<qint16>(interval);
        (chime ? e.state.chimeMark : e.state.wallpaperMark) = static_cast<qint16>(mark);
        e.tickOnce();
        QTEST(e.actions.log.join(", "), "log");
        QTEST(int(chime ? e.state.chimeMark : e.state.wallpaperMark), "markAfter");
    }

    // Events loaded from a file (they keep their seconds) at `from`; the clock jumps by `jumpS` seconds after one
    // tick, then ticks on for two minutes. Each event fires once: it sounds in its own second
    // (minute without seconds), else reports "alarm at" its time at second 0 (at once when its line was just read);
    // then its message shows.
    void eventsFireOnce_data()
    {
        QTest::addColumn<QTime>("from");
        QTest::addColumn<bool>("noSecond");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<int>("jumpS");
        QTest::addColumn<QStringList>("log");
        const QString ding = " /p/ding.wav";
        QTest::newRow("on time, with its message")
            << QTime(8, 29, 59) << false << QStringList{"twice 08:30:00", "once 08:30:02"} << 0
            << QStringList{"sound twice" + ding, "window Tea at 08:30:00", "sound once" + ding};
        QTest::newRow("minute only: late, to the minute")
            << QTime(8, 29, 50) << true << QStringList{"once 08:30:05"} << 75 << QStringList{"window alarm at 08:30"};
        QTest::newRow("two passed (as while disabled): both late, once each")
            << QTime(8, 29, 59) << false << QStringList{"once 08:30:05", "thrice 08:30:07"} << 75
            << QStringList{"window alarm at 08:30:05", "window alarm at 08:30:07"};
        QTest::newRow("read after its second: late at once, the next on time")
            << QTime(8, 30, 4) << false << QStringList{"once 08:30:02", "once 08:30:50"} << 0
            << QStringList{"window alarm at 08:30:02", "sound once" + ding};
        QTest::newRow("an hour ahead, in this minute: waits")
            << QTime(8, 29, 59) << false << QStringList{"once 09:30:00"} << 0 << QStringList{};
        QTest::newRow("minute only: two in one minute both sound")
            << QTime(8, 29, 59) << true << QStringList{"once 08:30:05", "thrice 08:30:40"} << 0
            << QStringList{"sound once" + ding, "sound thrice" + ding};
    }
    void eventsFireOnce()
    {
        QFETCH(QTime, from);
        QFETCH(bool, noSecond);
        QFETCH(QStringList, events);
        QFETCH(int, jumpS);
        Engine e;
        e.state.ignoreSeconds = noSecond;
        e.clock.setTime(from);
        for (const QString& event : std::as_const(events))
            QVERIFY(e.load(AlarmLines::lineTime(event), event.section(' ', 0, 0)));
        e.lists.messages.append(AlarmLines::messageLine("Tea", "08:30:00")), e.tickOnce();
        e.clock.advance(1000 * jumpS);
        for (int i = 0; i < 150; ++i)
            e.tickOnce();
        QTEST(e.actions.log, "log");
    }
};

QTEST_APPLESS_MAIN(TestClockTick)
#include "test_clock_tick.moc"
