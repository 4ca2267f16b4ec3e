// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QTest>

#include "core/alarms/alarm_lists.h"
#include "core/io/quoted_line_file.h"
#include "core/remote/remote_control.h"
#include "core/schedule/schedule_logic.h"
#include "core/state/shared_state.h"
#include "fake_clock.h"
#include "fake_warnings.h"

class TestRemoteControl : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // At 08:00, with "once 19:30:00" listed: the time, word and message asked for; the lines afterwards, or the
    // reason of the refusal (the Alarm Set window's own texts) with the lists untouched.
    void addEvent_data()
    {
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("outcome");
        const auto row = [](const char* time, const char* word, const char* message, const char* outcome) {
            QTest::newRow(time + QByteArray(" ") + word) << time << word << message << outcome;
        };
        row("7:45pm", "", "", "once 19:30:00|once 19:45:00");
        row("7:45 PM", "twice", "Call\nthe garage", "once 19:30:00|twice 19:45:00|Call the garage at 19:45:00");
        row("12:00:30", "thrice", "", "thrice 12:00:30|once 19:30:00");
        row("8:00", "", "Late", "Time was passed or next day");
        row("0:30", "", "", "Time was passed or next day"); // 12:30 AM, not 00:30 PM
        row("19:30:00", "", "", "Alarm time already exists");
        row("24:00", "", "", "Invalid input");
        row("13:00pm", "", "", "Invalid input");
        row("0:30am", "", "", "Invalid input");
        row("half past", "", "", "Invalid input");
        row("9:00", "sometimes", "", "Play times must be once, twice, thrice or repeat!");
        row("9:00", "", QByteArray(627, 'x').constData(), "A message may hold at most 626 characters");
        row("20:00", "", "Say \"hi\" to Ann", "once 19:30:00|once 20:00:00|Say 'hi' to Ann at 20:00:00");
    }
    void addEvent()
    {
        QFETCH(QString, time);
        QFETCH(QString, word);
        QFETCH(QString, message);
        SharedState state;
        AlarmLists lists;
        FakeClock clock;
        lists.alarms.insertSorted("once 19:30:00");
        FakeWarnings warnings;
        ScheduleLogic schedule(state, lists, warnings, clock);
        RemoteControl remote(state, lists, clock, schedule);
        const RemoteAnswer answer = remote.addEvent(time, word, message);
        const QStringList lines = remote.alarmLines() + remote.messageLines();
        QTEST((answer.ok ? lines : QStringList{answer.text}).join('|'), "outcome");
        QVERIFY(answer.ok ? lines.contains(answer.text) : lines == QStringList{"once 19:30:00"});
        QCOMPARE(QuotedLineFile::decode(QuotedLineFile::encode(lines)), lines); // saved and loaded unchanged
    }

    // Minutes outside 1 to 1439 are refused before the alarm is asked; with nothing sounding the snooze is refused
    // too.
    void snooze()
    {
        SharedState state;
        AlarmLists lists;
        FakeClock clock;
        FakeWarnings warnings;
        ScheduleLogic schedule(state, lists, warnings, clock);
        RemoteControl remote(state, lists, clock, schedule);
        QList<int> asked;
        remote.hooks.snooze = [&asked](int minutes) { return asked.append(minutes), minutes == 10 ? "No" : QString(); };
        const QStringList answers{remote.snooze(1).text, remote.snooze(1439).text, remote.snooze(0).text,
                                  remote.snooze(1440).text, remote.snooze(10).text};
        QCOMPARE(answers, (QStringList{"", "", RemoteControl::kBadSnooze, RemoteControl::kBadSnooze, "No"}));
        QCOMPARE(asked, (QList<int>{1, 1439, 10}));
    }
};

QTEST_APPLESS_MAIN(TestRemoteControl)
#include "test_remote_control.moc"
