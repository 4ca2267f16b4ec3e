// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/startup/command_line.h"

#include <utility>

#include <QCoreApplication>

#include "core/remote/remote_control.h"

namespace CommandLine {

namespace {
Parsed answer(Action action, const QString& error = {})
{
    Parsed parsed;
    parsed.action = action;
    parsed.error = error;
    return parsed;
}

Parsed usage(const QString& error)
{
    return answer(Action::Usage, error);
}

// The command `command` with its own arguments `rest`.
Parsed parseCommand(const QString& command, const QStringList& rest)
{
    Parsed parsed;
    if (command == QLatin1String("--add")) {
        // Everything after "--" is the message, whatever it looks like.
        QStringList words = rest;
        QStringList dashed;
        if (const qsizetype dashes = words.indexOf(QStringLiteral("--")); dashes >= 0) {
            dashed = words.mid(dashes + 1);
            words.resize(dashes);
        }
        if (const qsizetype on = words.indexOf(QStringLiteral("--on")); on >= 0) {
            if (on + 1 >= words.size())
                return usage(QCoreApplication::translate("CommandLine", "--on needs WHEN"));
            parsed.on = words.at(on + 1);
            words.remove(on, 2);
        }
        if (words.isEmpty())
            return usage(QCoreApplication::translate("CommandLine", "--add needs a time"));
        parsed.time = words.takeFirst();
        // "7:30 pm" as two words, the way the windows show a time.
        if (!words.isEmpty() && RemoteControl::parseTime(parsed.time + QLatin1Char(' ') + words.front()))
            parsed.time += QLatin1Char(' ') + words.takeFirst();
        if (!RemoteControl::parseTime(parsed.time))
            return usage(QCoreApplication::translate("CommandLine",
                                                     "'%1' is not a time (write 7:30pm, 7:30 pm, 19:30 or 19:30:00)")
                             .arg(parsed.time));
        parsed.action = Action::Add;
        parsed.word = !words.isEmpty() && RemoteControl::isPlayWord(words.front()) ? words.takeFirst()
                                                                                   : RemoteControl::kDefaultWord;
        for (const QString& word : std::as_const(words))
            if (word.size() > 1 && word.startsWith(QLatin1Char('-')))
                return usage(QCoreApplication::translate(
                                 "CommandLine", "'%1' is an option, not a message (put -- before such a message)")
                                 .arg(word));
        parsed.message = (words + dashed).join(QLatin1Char(' '));
        return parsed;
    }
    if (command == QLatin1String("--snooze")) {
        parsed.action = Action::Snooze;
        if (rest.size() > 1)
            return usage(QCoreApplication::translate("CommandLine", "--snooze takes one number of minutes"));
        if (!rest.isEmpty()) {
            bool number = false;
            parsed.minutes = rest.front().toInt(&number);
            if (!number || parsed.minutes < 1 || parsed.minutes > RemoteControl::kMaxSnoozeMinutes)
                return usage(QCoreApplication::translate("CommandLine", "'%1' is not a number of minutes from 1 to %2")
                                 .arg(rest.front())
                                 .arg(RemoteControl::kMaxSnoozeMinutes));
        }
        return parsed;
    }
    if (command == QLatin1String("--unschedule")) {
        parsed.action = Action::Unschedule;
        bool number = false;
        parsed.entry = rest.size() == 1 ? rest.front().toInt(&number) : 0;
        if (!number || parsed.entry < 1)
            return usage(QCoreApplication::translate("CommandLine", "--unschedule takes the number of an entry"));
        return parsed;
    }
    parsed.action = command == QLatin1String("--list") ? Action::List : Action::Stop;
    if (!rest.isEmpty())
        return usage(QCoreApplication::translate("CommandLine", "%1 takes no arguments").arg(command));
    return parsed;
}

bool isCommand(const QString& argument)
{
    return argument == QLatin1String("--add") || argument == QLatin1String("--list") ||
           argument == QLatin1String("--stop") || argument == QLatin1String("--snooze") ||
           argument == QLatin1String("--unschedule");
}
} // namespace

Parsed parse(const QStringList& arguments, bool leaveToToolkit)
{
    Parsed parsed;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (i == 0 && isCommand(argument)) // a command's arguments are its own, even one that looks like an option
            return parseCommand(argument, arguments.mid(1));
        if (argument == QStringLiteral("--version"))
            return answer(Action::Version);
        if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h"))
            return answer(Action::Help);
        if (parsed.action != Action::Run)
            continue;
        if (isCommand(argument))
            parsed = usage(QCoreApplication::translate("CommandLine", "%1 must come first").arg(argument));
        else if (argument.startsWith(QStringLiteral("--")) || !leaveToToolkit)
            parsed = usage(QCoreApplication::translate("CommandLine", "unknown argument '%1'").arg(argument));
    }
    return parsed;
}

QString versionText(const QString& version)
{
    return QStringLiteral("Ixo %1\n").arg(version);
}

QString usageText()
{
    return QCoreApplication::translate(
               "CommandLine",
               "Usage: ixo [--help | --version]\n"
               "       ixo --add TIME [once|twice|thrice|repeat!] [--] [MESSAGE]\n"
               "       ixo --list | --stop | --snooze [MINUTES]\n"
               "An alarm clock in the notification area. Started without options, Ixo adds its icon to\n"
               "the tray; its windows are opened from the icon's menu. The other options ask the Ixo\n"
               "that runs in this session and end; with none running, or no session bus to reach, they\n"
               "say so and exit with 1.\n"
               "\n"
               "  -h, --help        show this help and exit\n"
               "  --version         show the version and exit\n"
               "  --add TIME [WORD] [--] [MESSAGE]\n"
               "                    add an alarm event for today at TIME (7:30pm, 7:30 pm, 19:30 or\n"
               "                    19:30:00), played once (the default), twice, thrice or until stopped\n"
               "                    (repeat!), with MESSAGE shown when it fires (after --, words that\n"
               "                    start with - too); checked as the Alarm Set window's Add checks it,\n"
               "                    a refusal prints the window's reason and exits with 1\n"
               "  --list            print the day's alarm events, then their messages\n"
               "  --stop            stop the alarm sound, as Stop in the tray menu\n"
               "  --snooze [MINUTES]\n"
               "                    snooze the sounding alarm for MINUTES (10 when left out)\n") +
           QCoreApplication::translate(
               "CommandLine", "\n"
                              "Alarms beyond today (the schedule):\n"
                              "  --add TIME [WORD] [MESSAGE] --on WHEN\n"
                              "                    add a schedule entry; WHEN is tomorrow, a date YYYY-MM-DD, daily,\n"
                              "                    weekdays, weekends or days such as mon,wed,fri; prints the entry's\n"
                              "                    number and its next occurrence\n"
                              "  --list            also prints the schedule: number, when, time, play times,\n"
                              "                    message and next occurrence, separated by tabs\n"
                              "  --unschedule N    remove schedule entry N\n");
}

} // namespace CommandLine
