// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include "core/alarms/alarm_list_logic.h"
#include "core/alarms/alarm_lists.h"
#include "core/alarms/message_input_logic.h"
#include "core/alarms/snooze.h"
#include "core/state/shared_state.h"
#include "fake_clock.h"
#include "fake_warnings.h"

namespace {
struct Lists
{
    Lists()
    {
        state.setStartupDefaults();
        state.refreshNext = false;
    }
    FakeClock clock{QDateTime(QDate(2026, 12, 6), QTime(8, 0, 0))};
    SharedState state;
    AlarmLists lists;
    FakeWarnings warnings;
    AlarmListLogic logic{state, lists, warnings, clock};
};
} // namespace

class TestAlarmListLogic : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Boxes are "hour|minute|second|AM/PM"; the outcome is the line added or the warning shown; `shown` is what
    // the boxes show afterwards.
    void addClick_data()
    {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<bool>("noSecond");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char* name, QTime now, bool noSecond, const char* boxes, const char* outcome,
                            const char* shown) {
            QTest::newRow(name) << now << noSecond << QString(boxes) << QString(outcome) << QString(shown);
        };
        const QTime am8(8, 0);
        const char* invalid = "Invalid input";
        row("7:30 PM", am8, false, "7|30|0|PM", "once 19:30:00", "07|30|00");
        row("12:30 AM before it", QTime(0, 10), false, "12|30|00|AM", "once 00:30:00", "12|30|00");
        row("second 60", am8, false, "9|00|60|AM", invalid, "9|00|60");
        row("one second later", am8, false, "8|0|1|AM", "once 08:00:01", "08|00|01");
        row("hour 00", am8, false, "00|30|00|PM", invalid, "00|30|00");
        row("empty minute", am8, false, "9||00|AM", invalid, "9||00");
        row("pasted letters", am8, false, "9|3a|00|AM", invalid, "9|3a|00");
        row("three digits", am8, false, "9|030|00|AM", "Time input example 12:59:01", "09|030|00");
        row("seconds not compared", am8, true, "9|15|42|AM", "once 09:15:00", "09|15|00");
    }
    void addClick()
    {
        QFETCH(QTime, now);
        QFETCH(bool, noSecond);
        QFETCH(QString, boxes);
        QFETCH(QString, outcome);
        Lists l;
        l.clock.setTime(now);
        l.state.ignoreSeconds = noSecond;
        const QStringList b = boxes.split('|');
        QString times = "once";
        const AddResult r = l.logic.add(b[3], QString(), times, TimeBoxes{b[0], b[1], b[2]});
        const bool added = outcome.startsWith("once ");
        QCOMPARE((added ? l.lists.alarms.lines() : l.warnings.shown).join(""), outcome);
        QCOMPARE((added ? l.warnings.shown : l.lists.alarms.lines()), QStringList());
        QTEST(QStringList({r.shown.hour, r.shown.minute, r.shown.second}).join('|'), "shown");
        QCOMPARE(QList<bool>(
                     {l.state.alarmsPending, l.state.clockActive(), l.state.refreshNext, r.inserted, r.secondsReset}),
                 QList<bool>({added, added, added, added, noSecond}));
    }

    // The play word is remembered for the next add; insert keeps time order, selects the line it added, refuses a
    // time already listed and, with the time example, one that is no time of day, and asks for the head to be read
    // again in any case.
    void sortingKeepsTimeOrderAndTheWord()
    {
        Lists l;
        QString times = "once";
        l.logic.add("AM", "thrice", times, {"10", "0", "0"});
        l.logic.add("AM", QString(), times, {"11", "0", "0"});
        QCOMPARE(times, "thrice");
        QSignalSpy selected(&l.lists.alarms, &AlarmDataList::selectedChanged);
        for (const auto& [time, row] : {std::pair{"07:30:00", 0}, {"23:59:59", 3}, {"09:59:59", 1}}) {
            QVERIFY(l.logic.insert(time, "twice"));
            QCOMPARE(l.lists.alarms.selected(), row);
        }
        l.state.refreshNext = false;
        QVERIFY(!l.logic.insert("10:00:00", "twice") && !l.logic.insert("24:00:00", "twice"));
        QCOMPARE(l.warnings.shown, (QStringList{"Alarm time already exists", "Time input example 12:59:01"}));
        QCOMPARE(l.lists.alarms.lines(), (QStringList{"twice 07:30:00", "twice 09:59:59", "thrice 10:00:00",
                                                      "thrice 11:00:00", "twice 23:59:59"}));
        QVERIFY(l.state.refreshNext && selected.size() == 3);
    }

    // Random inserts and removals against a plain sorted list: rows, lines and the count of model signals agree.
    // As in a list box the selection stays on its line when another line goes (the head firing), and the view hears
    // of its new row; removing the selected line itself clears it.
    void modelMatchesASortedList()
    {
        AlarmDataList list;
        QStringList expected;
        QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted), removed(&list, &QAbstractItemModel::rowsRemoved);
        QSignalSpy selected(&list, &AlarmDataList::selectedChanged);
        QRandomGenerator random(7);
        for (int i = 0; i < 3000; ++i) {
            if (random.bounded(4) == 0 && !expected.isEmpty()) {
                const int row = random.bounded(static_cast<int>(expected.size()));
                list.setSelected(random.bounded(static_cast<int>(expected.size())));
                const qsizetype selectedRow = list.selected(), heard = selected.size();
                const QString selectedLine = list.selectedLine();
                list.removeAt(row);
                QCOMPARE(list.selectedLine(), row == selectedRow ? QString() : selectedLine);
                QCOMPARE(selected.size() - heard, row <= selectedRow ? 1 : 0);
                expected.removeAt(row);
                continue;
            }
            // Now and then a second at the edge of the day or of a 64-second block.
            static constexpr int kEdges[] = {0, 63, 64, 127, 128, 86335, 86336, 86399};
            const int second = random.bounded(8) == 0 ? kEdges[random.bounded(8)] : random.bounded(86400);
            const QString line = "once " + QTime(0, 0).addSecs(second).toString("HH:mm:ss");
            qsizetype row = -1;
            const auto result = list.insertSorted(line, &row);
            const auto at = std::lower_bound(expected.begin(), expected.end(), line); // all "once": time order
            const bool duplicate = at != expected.end() && *at == line;
            QCOMPARE(result, duplicate ? AlarmDataList::Insert::Duplicate : AlarmDataList::Insert::Inserted);
            if (!duplicate) {
                QCOMPARE(row, at - expected.begin());
                expected.insert(at, line);
            }
        }
        QCOMPARE(list.lines(), expected);
        QCOMPARE(list.rowCount(), expected.size());
        QVERIFY(removed.size() > 300 && inserted.size() - removed.size() == expected.size());
    }

    // Delete takes the selected event and its first message; with nothing selected it removes nothing but the
    // head is still read again; Delete All empties both lists. A full list refuses more.
    void deleteAndFullList()
    {
        Lists l;
        for (const char* time : {"09:00:00", "10:00:00", "11:00:00"})
            l.logic.insert(time, "once");
        for (const char* message : {"ten at 10:00:00", "nine at 09:00:00", "ten again at 10:00:00"})
            l.lists.messages.append(message);
        for (int row : {1, 0, -1}) {
            l.state.nextAlarm = "09:00:00", l.state.refreshNext = false;
            l.lists.alarms.setSelected(row), l.logic.deleteSelected();
            QVERIFY(l.state.nextAlarm.isEmpty() && l.state.refreshNext);
            QCOMPARE(l.lists.alarms.selected(), -1);
        }
        QVERIFY(l.state.alarmsPending && l.lists.alarms.lines() == QStringList{"once 11:00:00"});
        QCOMPARE(l.lists.messages.lines(), QStringList{"ten again at 10:00:00"});
        l.logic.deleteAll();
        QVERIFY(l.lists.alarms.isEmpty() && l.lists.messages.isEmpty() && !l.state.alarmsPending);
        QVERIFY(l.logic.insert("11:00:00", "once")); // the emptied lists take a line they held and find it
        l.lists.messages.append("tea at 11:00:00");
        l.lists.alarms.setSelected(0), l.logic.deleteSelected();
        QVERIFY(l.lists.alarms.isEmpty() && l.lists.messages.isEmpty());

        for (int s = 0; s < AlarmDataList::kMaxLines; ++s)
            l.lists.alarms.insertSorted("once " + QTime(0, 0).addSecs(s).toString("HH:mm:ss"));
        QVERIFY(!l.logic.insert("23:00:00", "once") && l.lists.alarms.count() == AlarmDataList::kMaxLines);
        QCOMPARE(l.warnings.shown, QStringList{AlarmListLogic::kListFull});
    }

    // Keys for a time box and for a list that takes no text; what a paste leaves in a time box.
    void keyFilters_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<KeyVerdict>("timeBox");
        QTest::addColumn<KeyVerdict>("listOnly");
        QTest::newRow("digit") << "7" << KeyVerdict::Pass << KeyVerdict::Drop;
        QTest::newRow("backspace") << "\b" << KeyVerdict::Pass << KeyVerdict::Pass;
        QTest::newRow("space, as a letter") << " " << KeyVerdict::DropWithBeep << KeyVerdict::Drop;
        QTest::newRow("non-Latin digit") << QString(QChar(0x0663)) << KeyVerdict::DropWithBeep << KeyVerdict::Drop;
        QTest::newRow("arrow (no text)") << "" << KeyVerdict::Pass << KeyVerdict::Pass;
        QTest::newRow("Delete") << "\x7f" << KeyVerdict::Pass << KeyVerdict::Pass;
    }
    void keyFilters()
    {
        QFETCH(QString, key);
        QTEST(AlarmListLogic::timeBoxKeyPress(key), "timeBox");
        QTEST(AlarmListLogic::listOnlyKeyPress(key), "listOnly");
        QVERIFY(AlarmListLogic::timeBoxKeyRelease("123").text.isEmpty() &&
                !AlarmListLogic::timeBoxKeyRelease("12").beep);
        const QStringList pasted{"42", "4x", "7:3", "123", "ab"}, kept{"42", "4!", "73!", "!", "!"}; // "!": a beep
        for (int i = 0; i < pasted.size(); ++i) {
            const FilteredTime f = AlarmListLogic::filterTimeBoxText(pasted[i]);
            QCOMPARE(f.text + (f.beep ? "!" : ""), kept[i]);
        }
    }
    // Snooze: whole seconds from now; a taken second moves on to the next free one; the day ends at midnight.
    void snoozeTime_data()
    {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("part of a second dropped") << QTime(9, 0, 0, 900) << 10 << "09:10:00";
        QTest::newRow("taken seconds skipped") << QTime(10, 5, 0) << 5 << "10:10:02";
        QTest::newRow("last second of the day") << QTime(22, 59, 58) << 60 << "23:59:58";
        QTest::newRow("passes midnight") << QTime(23, 0, 0) << 60 << "";
        QTest::newRow("the free second passes midnight") << QTime(23, 58, 59) << 1 << "";
    }
    void snoozeTime()
    {
        QFETCH(QTime, now);
        QFETCH(int, minutes);
        AlarmDataList alarms;
        for (const char* line : {"once 10:10:00", "twice 10:10:01", "once 10:10:03", "once 23:59:59"})
            alarms.insertSorted(line);
        QTEST(Snooze::againAt(now, minutes, alarms).value_or(QString()), "expected");
    }

    // An alarm went off at 08:00 with its sound, its message and a window; after `steps` Snooze asks for 10 minutes:
    // the refusal | what it asked of the rest of the program. An alarm whose sound a newer one replaced leaves that
    // sound alone; a refusal is found before anything is stopped.
    void snoozeFiring_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("a newer alarm's sound") << "newer"
                                               << "|lists close1";
        QTest::newRow("twice") << "snooze" << Firings::kSnoozedAlready + "|";
        QTest::newRow("message list full") << "messages" << MessageInput::kMessagesFull + "|lists";
        QTest::newRow("past midnight: the day after") << "midnight"
                                                      << "|lists tomorrow 00:05:00 stop close1";
        QTest::newRow("past midnight, refused") << "midnight full"
                                                << "Full|lists tomorrow 00:05:00";
    }
    void snoozeFiring()
    {
        QFETCH(QString, steps);
        Lists f;
        Firings firings(f.state, f.lists, f.clock);
        QStringList asked;
        firings.windowOpened(firings.fire({"once", "08:00:00", "Tea at 08:00:00", true}, true).firing);
        for (int i = 0; steps == "messages" && i < MessageList::kMaxLines; ++i)
            f.lists.messages.append("m");
        if (steps == "newer")
            QVERIFY(firings.fire({"once", "08:00:01", {}, true}, true).firing == 2 && firings.sounding() == 2);
        if (steps == "snooze")
            QCOMPARE(firings.snooze(1, 10), QString());
        firings.hooks = {[&] { asked << "lists"; }, [&] { asked << "stop"; },
                         [&](quint64 n) { asked << "close" + QString::number(n); },
                         [&](const FiredEvent& event, const QTime& time) {
                             asked << "tomorrow " + time.toString() + (event.time == "08:00:00" ? "" : " wrong event");
                             return steps.endsWith("full") ? QStringLiteral("Full") : QString();
                         }};
        if (steps.startsWith("midnight"))
            f.clock.setTime(QTime(23, 55, 0));
        const qsizetype alarms = f.lists.alarms.count();
        const QString refusal = firings.snooze(1, 10);
        QTEST(refusal + '|' + asked.join(' '), "outcome");
        QCOMPARE(f.lists.alarms.count() - alarms, qsizetype(refusal.isEmpty() && !steps.startsWith("midnight")));
    }
};

QTEST_APPLESS_MAIN(TestAlarmListLogic)
#include "test_alarm_list_logic.moc"
