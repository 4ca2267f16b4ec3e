// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QTest>

#include "core/startup/command_line.h"

using CommandLine::Action;

class TestCommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The arguments (read first with the toolkit's options left to it, unless `toolkit` is false: the second
    // reading) and what they ask for: the action with its time|word|message|minutes, or the usage error.
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("toolkit");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("parsed");
        const auto row = [](const char* name, QStringList arguments, Action action, const char* parsed,
                            bool toolkit = true) {
            QTest::newRow(name) << arguments << toolkit << action << QString(parsed);
        };
        const char* noTime = "'%1' is not a time (write 7:30pm, 7:30 pm, 19:30 or 19:30:00)";
        row("12-hour", {"--add", "7:30pm"}, Action::Add, "7:30pm|once||10");
        row("24-hour, word, message", {"--add", "19:30", "twice", "Call", "the garage"}, Action::Add,
            "19:30|twice|Call the garage|10");
        row("pm as a word", {"--add", "7:30", "pm"}, Action::Add, "7:30 pm|once||10");
        row("midnight as a window shows it", {"--add", "12:00", "am", "Pay"}, Action::Add, "12:00 am|once|Pay|10");
        row("PM, word", {"--add", "07:30:00", "PM", "twice", "pm"}, Action::Add, "07:30:00 PM|twice|pm|10");
        row("after --", {"--add", "20:00", "once", "see", "--", "--help", "-x"}, Action::Add,
            "20:00|once|see --help -x|10");
        row("option in the message", {"--add", "20:00", "once", "see", "--help"}, Action::Usage,
            "'--help' is an option, not a message (put -- before such a message)");
        row("list --help", {"--list", "--help"}, Action::Usage, "--list takes no arguments");
        row("no time", {"--add", "--", "7:30"}, Action::Usage, "--add needs a time");
        row("three fields of hours", {"--add", "123:00"}, Action::Usage, QString(noTime).arg("123:00").toUtf8());
        row("list", {"--list"}, Action::List, "|||10");
        row("stop", {"--stop"}, Action::Stop, "|||10");
        row("snooze", {"--snooze"}, Action::Snooze, "|||10");
        row("snooze 5", {"--snooze", "5"}, Action::Snooze, "|||5");
        for (const char* minutes : {"0", "1440", "ten"})
            row(minutes, {"--snooze", minutes}, Action::Usage,
                QStringLiteral("'%1' is not a number of minutes from 1 to 1439").arg(minutes).toUtf8());
        row("after a toolkit option", {"-display", ":1", "--list"}, Action::Usage, "--list must come first");
        row("help first", {"-h", "--add", "7:30"}, Action::Help, "|||10");
        row("unknown", {"--alarm"}, Action::Usage, "unknown argument '--alarm'");
        row("toolkit only", {"-display", ":1"}, Action::Run, "|||10");
        row("left on the second reading", {"-x", "file"}, Action::Usage, "unknown argument '-x'", false);
    }
    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, toolkit);
        const CommandLine::Parsed parsed = CommandLine::parse(arguments, toolkit);
        QTEST(parsed.action, "action");
        const QString fields =
            QStringList{parsed.time, parsed.word, parsed.message, QString::number(parsed.minutes)}.join('|');
        QTEST(parsed.action == Action::Usage ? parsed.error : fields, "parsed");
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
