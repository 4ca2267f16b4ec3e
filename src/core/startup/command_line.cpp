// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/startup/command_line.h"

namespace CommandLine {

Parsed parse(const QStringList& arguments, bool leaveToToolkit)
{
    Parsed parsed;
    for (const QString& argument : arguments) {
        if (argument == QStringLiteral("--version"))
            return {Action::Version, {}};
        if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h"))
            return {Action::Help, {}};
        const bool longOption = argument.startsWith(QStringLiteral("--"));
        if ((longOption || !leaveToToolkit) && parsed.action == Action::Run)
            parsed = {Action::Usage, argument};
    }
    return parsed;
}

QString versionText(const QString& version)
{
    return QStringLiteral("Ixo %1\n").arg(version);
}

QString usageText()
{
    return QStringLiteral("Usage: ixo [--help | --version]\n"
                          "An alarm clock in the notification area. Started without options, Ixo adds its icon to\n"
                          "the tray; its windows are opened from the icon's menu.\n"
                          "\n"
                          "  -h, --help  show this help and exit\n"
                          "  --version   show the version and exit\n");
}

} // namespace CommandLine
