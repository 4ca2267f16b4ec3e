#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include "alarms/alarm_list_logic.h"
#include "alarms/alarm_lists.h"
#include "app/shared_state.h"
#include "fake_clock.h"
#include "fake_warnings.h"

namespace {
struct Lists
{
    Lists()
    {
        state.setStartupDefaults();
        state.bRefreshNext = kFalse;
    }
    FakeClock clock{QDateTime(QDate(2026, 12, 6), QTime(8, 0, 0))};
    Module1 state;
    AlarmLists lists;
    FakeWarnings warnings;
    Form8 logic{state, lists, warnings, clock};
};
} // namespace

class TestAlarmListLogic : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void addClick_data()
    {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<bool>("noSecond");
        QTest::addColumn<QStringList>("boxes"); // hour, minute, second, AM/PM
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("shown");
        const QTime morning(8, 0, 0);
        QTest::newRow("7:30 PM") << morning << false << QStringList{"7", "30", "0", "PM"} << ""
                                 << "once 19:30:00" << QStringList{"07", "30", "00"};
        QTest::newRow("12 PM is noon") << morning << false << QStringList{"12", "00", "00", "PM"} << ""
                                       << "once 12:00:00" << QStringList{"12", "00", "00"};
        QTest::newRow("1 PM is 13") << morning << false << QStringList{"01", "00", "00", "PM"} << ""
                                    << "once 13:00:00" << QStringList{"01", "00", "00"};
        QTest::newRow("12 AM is midnight, passed")
            << morning << false << QStringList{"12", "00", "00", "AM"} << "Time was passed or next day"
            << "" << QStringList{"12", "00", "00"};
        QTest::newRow("12:30 AM before half past midnight")
            << QTime(0, 10, 0) << false << QStringList{"12", "30", "00", "AM"} << ""
            << "once 00:30:00" << QStringList{"12", "30", "00"};
        QTest::newRow("12:30 AM after half past midnight")
            << QTime(0, 31, 0) << false << QStringList{"12", "30", "00", "AM"} << "Time was passed or next day"
            << "" << QStringList{"12", "30", "00"};
        QTest::newRow("now is passed") << morning << false << QStringList{"8", "0", "0", "AM"}
                                       << "Time was passed or next day"
                                       << "" << QStringList{"08", "00", "00"};
        QTest::newRow("one second later") << morning << false << QStringList{"8", "0", "1", "AM"} << ""
                                          << "once 08:00:01" << QStringList{"08", "00", "01"};
        QTest::newRow("hour 0") << morning << false << QStringList{"0", "30", "00", "PM"} << "Invalid input"
                                << "" << QStringList{"0", "30", "00"};
        QTest::newRow("hour 00") << morning << false << QStringList{"00", "30", "00", "PM"} << "Invalid input"
                                 << "" << QStringList{"00", "30", "00"};
        QTest::newRow("hour 13") << morning << false << QStringList{"13", "30", "00", "AM"} << "Invalid input"
                                 << "" << QStringList{"13", "30", "00"};
        QTest::newRow("minute 60") << morning << false << QStringList{"9", "60", "00", "AM"} << "Invalid input"
                                   << "" << QStringList{"9", "60", "00"};
        QTest::newRow("second 60") << morning << false << QStringList{"9", "00", "60", "AM"} << "Invalid input"
                                   << "" << QStringList{"9", "00", "60"};
        QTest::newRow("empty minute") << morning << false << QStringList{"9", "", "00", "AM"} << "Invalid input"
                                      << "" << QStringList{"9", "", "00"};
        QTest::newRow("pasted letters") << morning << false << QStringList{"9", "3a", "00", "AM"} << "Invalid input"
                                        << "" << QStringList{"9", "3a", "00"};
        QTest::newRow("pasted sign") << morning << false << QStringList{"+9", "30", "00", "AM"} << "Invalid input"
                                     << "" << QStringList{"+9", "30", "00"};
        QTest::newRow("three digits") << morning << false << QStringList{"9", "030", "00", "AM"}
                                      << "Time input example 12:59:01"
                                      << "" << QStringList{"09", "030", "00"};
        QTest::newRow("three-digit hour PM")
            << morning << false << QStringList{"012", "5", "0", "PM"} << "Time input example 12:59:01"
            << "" << QStringList{"012", "05", "00"};
        QTest::newRow("seconds not compared") << morning << true << QStringList{"9", "15", "42", "AM"} << ""
                                              << "once 09:15:00" << QStringList{"09", "15", "00"};
        QTest::newRow("seconds not compared, empty seconds")
            << morning << true << QStringList{"9", "15", "", "AM"} << ""
            << "once 09:15:00" << QStringList{"09", "15", "00"};
    }
    void addClick()
    {
        QFETCH(QTime, now);
        QFETCH(bool, noSecond);
        QFETCH(QStringList, boxes);
        QFETCH(QString, warning);
        QFETCH(QString, line);
        QFETCH(QStringList, shown);
        Lists l;
        l.clock.setTime(now);
        l.state.bNoSecond = toFlag(noSecond);
        QString times = QStringLiteral("once");
        const AddResult r = l.logic.AddClick(boxes[3], QString(), times, TimeBoxes{boxes[0], boxes[1], boxes[2]});
        QCOMPARE(l.warnings.shown, warning.isEmpty() ? QStringList() : QStringList{warning});
        QCOMPARE(l.lists.lstData.lines(), line.isEmpty() ? QStringList() : QStringList{line});
        QCOMPARE(r.shown, (TimeBoxes{shown[0], shown[1], shown[2]}));
        QCOMPARE(r.bInserted, toFlag(!line.isEmpty()));
        QCOMPARE(r.secondsReset, noSecond);
        QCOMPARE(l.state.bAlarmsPending, toFlag(!line.isEmpty()));
        QCOMPARE(l.state.bClockActive, toFlag(r.bInserted == kTrue));
        QCOMPARE(l.state.bRefreshNext, toFlag(r.bInserted == kTrue));
    }

    void playTimesWordIsRemembered()
    {
        Lists l;
        QString times = QStringLiteral("once");
        l.logic.AddClick(QStringLiteral("AM"), QString(), times,
                         {QStringLiteral("9"), QStringLiteral("0"), QStringLiteral("0")});
        l.logic.AddClick(QStringLiteral("AM"), QStringLiteral("thrice"), times,
                         {QStringLiteral("10"), QStringLiteral("0"), QStringLiteral("0")});
        l.logic.AddClick(QStringLiteral("AM"), QString(), times,
                         {QStringLiteral("11"), QStringLiteral("0"), QStringLiteral("0")});
        QCOMPARE(l.lists.lstData.lines(),
                 (QStringList{QStringLiteral("once 09:00:00"), QStringLiteral("thrice 10:00:00"),
                              QStringLiteral("thrice 11:00:00")}));
        QCOMPARE(times, QStringLiteral("thrice"));
    }

    void sortingKeepsTimeOrder()
    {
        Lists l;
        QSignalSpy selected(&l.lists.lstData, &AlarmDataList::selectedChanged);
        QVERIFY(l.logic.Sorting(QStringLiteral("13:05:00"), QStringLiteral("once")));
        QVERIFY(l.logic.Sorting(QStringLiteral("07:30:00"), QStringLiteral("twice")));
        QCOMPARE(l.lists.lstData.selected(), 0); // earlier than all: the top, and selected
        QVERIFY(l.logic.Sorting(QStringLiteral("23:59:59"), QStringLiteral("repeat!")));
        QCOMPARE(l.lists.lstData.selected(), 2);
        QVERIFY(l.logic.Sorting(QStringLiteral("13:04:59"), QStringLiteral("thrice")));
        QCOMPARE(l.lists.lstData.selected(), 1);
        QVERIFY(!l.logic.Sorting(QStringLiteral("13:05:00"), QStringLiteral("twice")));
        QCOMPARE(l.warnings.shown, QStringList{QStringLiteral("Alarm time already exists")});
        QCOMPARE(l.lists.lstData.lines(),
                 (QStringList{QStringLiteral("twice 07:30:00"), QStringLiteral("thrice 13:04:59"),
                              QStringLiteral("once 13:05:00"), QStringLiteral("repeat! 23:59:59")}));
        QCOMPARE(l.state.bRefreshNext, kTrue); // also after the refusal
        QCOMPARE(selected.size(), 4);
    }

    // Random inserts and removals against a plain sorted list: rows, lines and model signals agree.
    void modelMatchesASortedList()
    {
        AlarmDataList list;
        QStringList expected;
        int inserted = 0;
        int removed = 0;
        connect(&list, &QAbstractItemModel::rowsInserted, this, [&](const QModelIndex&, int first, int last) {
            QCOMPARE(first, last);
            ++inserted;
        });
        connect(&list, &QAbstractItemModel::rowsRemoved, this, [&](const QModelIndex&, int first, int last) {
            QCOMPARE(first, last);
            ++removed;
        });
        QRandomGenerator random(7);
        for (int i = 0; i < 3000; ++i) {
            if (random.bounded(4) == 0 && !expected.isEmpty()) {
                const int row = random.bounded(static_cast<int>(expected.size()));
                list.removeAt(row);
                expected.removeAt(row);
                continue;
            }
            const QString line = QStringLiteral("once ") +
                                 QTime(0, 0).addSecs(random.bounded(86400)).toString(QStringLiteral("HH:mm:ss"));
            qsizetype row = -1;
            const auto result = list.insertSorted(line, &row);
            const auto at =
                std::lower_bound(expected.begin(), expected.end(), line,
                                 [](const QString& a, const QString& b) { return a.right(8) < b.right(8); });
            if (at != expected.end() && at->right(8) == line.right(8)) {
                QCOMPARE(result, AlarmDataList::Insert::Duplicate);
                continue;
            }
            QCOMPARE(result, AlarmDataList::Insert::Inserted);
            QCOMPARE(row, at - expected.begin());
            expected.insert(at, line);
        }
        QCOMPARE(list.lines(), expected);
        QCOMPARE(list.rowCount(), expected.size());
        for (int row = 0; row < expected.size(); row += 97)
            QCOMPARE(list.data(list.index(row)).toString(), expected[row]);
        QCOMPARE(list.line(expected.size()), QString());
        QVERIFY(inserted > 1000 && removed > 300);
        QCOMPARE(list.insertSorted(QStringLiteral("once 24:00:00")), AlarmDataList::Insert::NotATime);
    }

    void fullListRefusesMore()
    {
        Lists l;
        for (int s = 0; s < AlarmDataList::kMaxLines; ++s)
            l.lists.lstData.insertSorted(QStringLiteral("once ") +
                                         QTime(0, 0).addSecs(s).toString(QStringLiteral("HH:mm:ss")));
        QVERIFY(!l.logic.Sorting(QStringLiteral("23:00:00"), QStringLiteral("once")));
        QCOMPARE(l.warnings.shown, QStringList{Form8::kListFull});
        QCOMPARE(l.lists.lstData.count(), AlarmDataList::kMaxLines);
    }

    void deleteRemovesTheEventAndItsMessage()
    {
        Lists l;
        l.logic.Sorting(QStringLiteral("09:00:00"), QStringLiteral("once"));
        l.logic.Sorting(QStringLiteral("10:00:00"), QStringLiteral("once"));
        l.logic.Sorting(QStringLiteral("11:00:00"), QStringLiteral("once"));
        l.lists.lstMessage.append(QStringLiteral("ten at 10:00:00"));
        l.lists.lstMessage.append(QStringLiteral("nine at 09:00:00"));
        l.lists.lstMessage.append(QStringLiteral("ten again at 10:00:00"));
        l.state.strNextAlarm = QStringLiteral("09:00:00");
        l.state.bRefreshNext = kFalse;
        l.lists.lstData.setSelected(1);
        l.logic.deleteClick();
        QCOMPARE(l.lists.lstData.lines(),
                 (QStringList{QStringLiteral("once 09:00:00"), QStringLiteral("once 11:00:00")}));
        QCOMPARE(l.lists.lstMessage.lines(),
                 (QStringList{QStringLiteral("nine at 09:00:00"), QStringLiteral("ten again at 10:00:00")}));
        QCOMPARE(l.state.strNextAlarm, QString());
        QCOMPARE(l.state.bRefreshNext, kTrue);
        QCOMPARE(l.state.bAlarmsPending, kTrue);

        // Nothing stays selected: a second Delete removes nothing, but the head is still read again.
        QCOMPARE(l.lists.lstData.selected(), -1);
        l.state.bRefreshNext = kFalse;
        l.logic.deleteClick();
        QCOMPARE(l.lists.lstData.count(), 2);
        QCOMPARE(l.state.bRefreshNext, kTrue);

        l.logic.deleteAllClick();
        QVERIFY(l.lists.lstData.isEmpty());
        QVERIFY(l.lists.lstMessage.isEmpty());
        QCOMPARE(l.state.bAlarmsPending, kFalse);
    }

    void keyFilters_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<KeyVerdict>("timeBox");
        QTest::addColumn<KeyVerdict>("listOnly");
        QTest::newRow("digit") << "7" << KeyVerdict::Pass << KeyVerdict::Drop;
        QTest::newRow("backspace") << "\b" << KeyVerdict::Pass << KeyVerdict::Pass;
        QTest::newRow("letter") << "a" << KeyVerdict::DropWithBeep << KeyVerdict::Drop;
        QTest::newRow("colon") << ":" << KeyVerdict::DropWithBeep << KeyVerdict::Drop;
        QTest::newRow("space") << " " << KeyVerdict::DropWithBeep << KeyVerdict::Drop;
        QTest::newRow("non-Latin digit") << QString(QChar(0x0663)) << KeyVerdict::DropWithBeep << KeyVerdict::Drop;
        QTest::newRow("arrow (no text)") << "" << KeyVerdict::Pass << KeyVerdict::Pass;
        QTest::newRow("Enter") << "\r" << KeyVerdict::Pass << KeyVerdict::Pass;
    }
    void keyFilters()
    {
        QFETCH(QString, key);
        QFETCH(KeyVerdict, timeBox);
        QFETCH(KeyVerdict, listOnly);
        QCOMPARE(Form8::timeBoxKeyPress(key), timeBox);
        QCOMPARE(Form8::listOnlyKeyPress(key), listOnly);
    }

    void timeBoxText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("beep");
        QTest::newRow("two digits") << "42"
                                    << "42" << false;
        QTest::newRow("pasted with letters") << "4x"
                                             << "4" << true;
        QTest::newRow("pasted time") << "7:3"
                                     << "73" << true;
        QTest::newRow("three digits") << "123"
                                      << "" << true;
        QTest::newRow("letters only") << "ab"
                                      << "" << true;
    }
    void timeBoxText()
    {
        QFETCH(QString, text);
        QFETCH(QString, kept);
        QFETCH(bool, beep);
        const FilteredTime f = Form8::filterTimeBoxText(text);
        QCOMPARE(f.text, kept);
        QCOMPARE(f.beep, beep);
        QCOMPARE(Form8::timeBoxKeyRelease(QStringLiteral("123")).text, QString());
        QVERIFY(!Form8::timeBoxKeyRelease(QStringLiteral("12")).beep);
    }
};

QTEST_APPLESS_MAIN(TestAlarmListLogic)
#include "test_alarm_list_logic.moc"
