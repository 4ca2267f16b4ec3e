// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "platform/linux/xdg_autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/file_writer.h"

XdgAutostart::XdgAutostart(QString configHome, QString executable)
    : m_configHome(std::move(configHome)), m_executable(std::move(executable))
{
}

QString XdgAutostart::defaultConfigHome()
{
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured))
        return configured;
    return QDir::homePath() + QStringLiteral("/.config");
}

QString XdgAutostart::entryPath() const
{
    return m_configHome + QStringLiteral("/autostart/") + kEntryName;
}

QString XdgAutostart::execArgument(const QString& argument)
{
    // Inside double quotes '"', '`', '$' and '\' take a backslash; '%' is doubled so it is no field code.
    QString quoted;
    for (QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        else if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    // The value is a string as well: its backslashes are escaped once more.
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray XdgAutostart::entry(const QString& executable)
{
    for (QChar c : executable)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return {};
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=Ixo\n"
                                        "Comment=Alarm clock in the notification area\n"
                                        "Exec=%1\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(execArgument(executable));
    return text.toUtf8();
}

bool XdgAutostart::enable(QString* error)
{
    auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    if (!QDir::isAbsolutePath(m_executable))
        return fail(QStringLiteral("the program's path is unknown"));
    const QByteArray bytes = entry(m_executable);
    if (bytes.isEmpty())
        return fail(QStringLiteral("the program's path holds control characters"));
    const QString path = entryPath();
    if (QString reason; !writeWholeFile(path, bytes, &reason))
        return fail(QStringLiteral("%1: %2").arg(path, reason));
    return true;
}

bool XdgAutostart::disable(QString* error)
{
    const QString path = entryPath();
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return true;
    QFile file(path);
    if (file.remove())
        return true;
    if (error)
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return false;
}

bool XdgAutostart::isEnabled() const
{
    return QFileInfo(entryPath()).isFile();
}
