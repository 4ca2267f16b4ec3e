// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>
#include <QStringList>

// Ixo's command line: "--version" and "--help" (or "-h") print and end the program; "--add", "--list", "--stop"
// "--snooze" and "--unschedule" ask the running Ixo and end; it takes nothing else.
namespace CommandLine {

enum class Action { Run, Version, Help, Usage, Add, List, Stop, Snooze, Unschedule };

struct Parsed
{
    Action action = Action::Run;
    QString error; // what is wrong with the arguments, for Action::Usage
    // The event of Action::Add: its time as written, its play-times word ("once" when none is given) and message.
    QString time;
    QString word;
    QString message;
    QString on;       // of Action::Add with "--on WHEN": a schedule entry instead of today's event
    int minutes = 10; // of Action::Snooze
    int entry = 0;    // of Action::Unschedule
};

/// The action the arguments (without the program name) ask for. A command ("--add", "--list", "--stop",
/// "--snooze") is the first argument, and what follows it is its own: "--add TIME [once|twice|thrice|repeat!]
/// [--] [MESSAGE...] [--on WHEN]" (TIME may be two words, "7:30 pm"; the words of the message joined by spaces; an
/// option word where the message should be is a usage error unless "--" comes before it; "--on WHEN" may stand anywhere
/// before "--"), "--snooze [MINUTES]", "--unschedule N".
/// Without a command the first "--version" or "--help" wins.
/// With `leaveToToolkit`, single-dash options and plain words are left for the window toolkit, which takes its own
/// options (such as "-display NAME") before the arguments are read a second time, without it.
Parsed parse(const QStringList& arguments, bool leaveToToolkit);

/// "Ixo VERSION" and a line end.
QString versionText(const QString& version);
/// The usage, for --help and after a wrong argument.
QString usageText();

} // namespace CommandLine
