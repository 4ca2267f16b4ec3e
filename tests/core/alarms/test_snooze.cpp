// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QTest>

#include "core/alarms/alarm_lists.h"
#include "core/alarms/snooze.h"
#include "core/state/shared_state.h"
#include "fake_clock.h"
#include "fake_warnings.h"

class TestSnooze : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Whole seconds from now; a taken second moves on to the next free one; the day ends at midnight.
    void againAt_data()
    {
        QTest::addColumn<QTime>("now");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("expected");
        QTest::newRow("preset, part of a second dropped") << QTime(10, 0, 0, 900) << 10 << QStringList{} << "10:10:00";
        QTest::newRow("taken seconds skipped")
            << QTime(10, 0, 0) << 5 << QStringList{"once 10:05:00", "twice 10:05:01", "once 10:05:03"} << "10:05:02";
        QTest::newRow("last second of the day") << QTime(22, 59, 59) << 60 << QStringList{} << "23:59:59";
        QTest::newRow("passes midnight") << QTime(23, 0, 0) << 60 << QStringList{} << "";
        QTest::newRow("the free second passes midnight")
            << QTime(23, 58, 59) << 1 << QStringList{"once 23:59:59"} << "";
    }
    void againAt()
    {
        QFETCH(QTime, now);
        QFETCH(int, minutes);
        QFETCH(QStringList, taken);
        QFETCH(QString, expected);
        AlarmDataList alarms;
        for (const QString& line : std::as_const(taken))
            alarms.insertSorted(line);
        QCOMPARE(Snooze::againAt(now, minutes, alarms).value_or(QString()), expected);
    }

    // The event goes in with its word, in time order; its message follows it to the new time (only the last " at "
    // is the time's); a second already taken refuses it with the Add's warning, and no message is left alone.
    void addAgain_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QStringList>("alarms");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("with its message") << "Meet at noon at 07:30:00"
                                          << "07:40:00" << QStringList{"repeat! 07:40:00", "once 08:00:00"}
                                          << QStringList{"Meet at noon at 07:40:00"};
        QTest::newRow("without a message")
            << ""
            << "08:10:00" << QStringList{"once 08:00:00", "repeat! 08:10:00"} << QStringList{};
        QTest::newRow("second taken") << "Tea at 07:30:00"
                                      << "08:00:00" << QStringList{"once 08:00:00"} << QStringList{};
    }
    void addAgain()
    {
        QFETCH(QString, message);
        QFETCH(QString, time);
        SharedState state;
        AlarmLists lists;
        FakeWarnings warnings;
        FakeClock clock;
        lists.alarms.insertSorted("once 08:00:00");
        const bool in = Snooze::addAgain(state, lists, warnings, clock, {"repeat!", "07:30:00", message, true}, time);
        QTEST(lists.alarms.lines(), "alarms");
        QTEST(lists.messages.lines(), "messages");
        QCOMPARE(warnings.shown, in ? QStringList{} : QStringList{"Alarm time already exists"});
        QVERIFY(state.refreshNext && state.alarmsPending && state.clockActive());
    }
};

QTEST_APPLESS_MAIN(TestSnooze)
#include "test_snooze.moc"
