// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>
#include <QStringList>

// Ixo's command line: "--version" and "--help" (or "-h") print and end the program; it takes nothing else.
namespace CommandLine {

enum class Action { Run, Version, Help, Usage };

struct Parsed
{
    Action action = Action::Run;
    QString unknown; // the first argument not understood, for Action::Usage
};

/// The action the arguments (without the program name) ask for; the first "--version" or "--help" wins. With
/// `leaveToToolkit`, single-dash options and plain words are left for the window toolkit, which takes its own
/// options (such as "-display NAME") before the arguments are read a second time, without it.
Parsed parse(const QStringList& arguments, bool leaveToToolkit);

/// "Ixo VERSION" and a line end.
QString versionText(const QString& version);
/// The usage, for --help and after a wrong argument.
QString usageText();

} // namespace CommandLine
