// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "platform/linux/desktop_launcher.h"

#include <utility>

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {
// How long xdg-open's failure still counts as the opening's.
constexpr qint64 kOpenerAnswerMs = 15000;

// A value of a desktop entry with its escapes (\s, \n, \t, \r, \\) resolved.
QString unescapeValue(QStringView value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        switch (next.unicode()) {
        case 's':
            out += QLatin1Char(' ');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        default:
            if (next != QLatin1Char('\\'))
                out += QLatin1Char('\\');
            out += next;
        }
    }
    return out;
}

// An Exec line split into its arguments: blanks separate them, double quotes group, and a backslash inside
// quotes takes the next character as it is. Nothing when a quote is left open.
std::optional<QStringList> splitExec(const QString& exec)
{
    QStringList arguments;
    QString current;
    bool inQuotes = false;
    bool inArgument = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (inQuotes) {
            if (c == QLatin1Char('\\') && i + 1 < exec.size())
                current += exec[++i];
            else if (c == QLatin1Char('"'))
                inQuotes = false;
            else
                current += c;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (inArgument)
                arguments.append(std::exchange(current, QString()));
            inArgument = false;
        } else {
            inArgument = true;
            if (c == QLatin1Char('"'))
                inQuotes = true;
            else
                current += c;
        }
    }
    if (inQuotes)
        return std::nullopt;
    if (inArgument)
        arguments.append(current);
    return arguments;
}

} // namespace

std::optional<OpenCommand> desktopEntryCommand(const QString& entry, const QString& path, QString* tryExec)
{
    QString exec;
    bool terminal = false;
    bool inMainGroup = false;
    const QStringList lines = entry.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inMainGroup || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = unescapeValue(QStringView(line).mid(equals + 1).trimmed());
        if (key == QLatin1String("Exec"))
            exec = value;
        else if (key == QLatin1String("TryExec") && tryExec)
            *tryExec = value;
        else if (key == QLatin1String("Terminal"))
            terminal = value == QLatin1String("true");
        else if (key == QLatin1String("Hidden") && value == QLatin1String("true"))
            return std::nullopt;
    }
    const std::optional<QStringList> split = splitExec(exec);
    if (!split || split->isEmpty())
        return std::nullopt;

    QStringList arguments;
    bool fileGiven = false;
    for (const QString& argument : *split) {
        QString expanded;
        bool onlyCodes = !argument.isEmpty();
        for (qsizetype i = 0; i < argument.size(); ++i) {
            if (argument[i] != QLatin1Char('%') || i + 1 == argument.size()) {
                expanded += argument[i];
                onlyCodes = false;
                continue;
            }
            const char16_t code = argument[++i].unicode();
            if (code == u'%') {
                expanded += QLatin1Char('%');
                onlyCodes = false;
            } else if (code == u'f' || code == u'F' || code == u'u' || code == u'U') {
                if (!fileGiven) { // one file: a second file code stands for nothing
                    expanded += path;
                    onlyCodes = false;
                }
                fileGiven = true;
            }
            // %i, %c, %k and the deprecated codes stand for nothing here.
        }
        if (!onlyCodes || !expanded.isEmpty())
            arguments.append(expanded);
    }
    if (arguments.isEmpty())
        return std::nullopt;
    if (!fileGiven)
        arguments.append(path);
    OpenCommand command;
    command.program = arguments.takeFirst();
    command.arguments = arguments;
    command.terminal = terminal;
    return command;
}

DesktopLauncher::DesktopLauncher(int questionTimeLimitMs) : m_questions(questionTimeLimitMs)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C")); // gio's answer is translated otherwise
    m_questions.setEnvironment(environment);
}

void DesktopLauncher::openFile(const QString& path, std::function<void()> failed)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)) && failed)
            failed();
        return;
    }
    // xdg-open ends with a failure when no program takes the file; where it waits for the program it started, an
    // end long after is that program's and says nothing about the opening. The process is nobody's child, so
    // whatever it started outlives Ixo.
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer running;
    running.start();
    QObject::connect(process, &QProcess::errorOccurred, process, [process, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return; // a crash also ends in finished()
        if (failed)
            failed();
        process->deleteLater();
    });
    QObject::connect(
        process, &QProcess::finished, process, [process, failed, running](int exitCode, QProcess::ExitStatus status) {
            if ((status != QProcess::NormalExit || exitCode != 0) && running.elapsed() < kOpenerAnswerMs && failed)
                failed();
            process->deleteLater();
        });
    process->start(opener, {path});
}

bool DesktopLauncher::startProgram(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

QString DesktopLauncher::findProgram(const QString& program) const
{
    return QStandardPaths::findExecutable(program);
}

void DesktopLauncher::ask(const QString& program, const QStringList& arguments,
                          std::function<void(const QString&)> then)
{
    const QString found = QStandardPaths::findExecutable(program);
    if (found.isEmpty()) {
        then(QString());
        return;
    }
    m_questions.run(found, arguments, [then = std::move(then)](const CommandRunner::Result& result) {
        then(result.started && result.exitCode == 0 ? QString::fromUtf8(result.output) : QString());
    });
}

void DesktopLauncher::askDefaultApplication(const QString& mimeType, const QString& path,
                                            DefaultApplicationAnswer answer)
{
    // The default application's desktop file id, from xdg-mime, else from gio.
    ask(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mimeType},
        [this, mimeType, path, answer = std::move(answer)](const QString& output) {
            const QString id = output.section(QLatin1Char('\n'), 0, 0).trimmed();
            if (!id.isEmpty()) {
                answer(commandOf(id, path));
                return;
            }
            ask(QStringLiteral("gio"), {QStringLiteral("mime"), mimeType}, [this, path, answer](const QString& output) {
                // "Default application for “text/plain”: org.gnome.TextEditor.desktop"
                const QString first = output.section(QLatin1Char('\n'), 0, 0);
                answer(first.startsWith(QLatin1String("Default application"))
                           ? commandOf(first.section(QStringLiteral(": "), -1).trimmed(), path)
                           : std::nullopt);
            });
        });
}

std::optional<OpenCommand> DesktopLauncher::commandOf(const QString& ids, const QString& path) const
{
    // mimeapps.list may give several, separated by ";": the first is the default.
    const QString id = ids.section(QLatin1Char(';'), 0, 0).trimmed();
    if (id.isEmpty() || !id.endsWith(QLatin1String(".desktop")) || id.contains(QLatin1Char('/')))
        return std::nullopt;
    // An id "vendor-name.desktop" may also stand for the file vendor/name.desktop.
    QString file = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
    if (file.isEmpty() && id.contains(QLatin1Char('-')))
        file = QStandardPaths::locate(QStandardPaths::ApplicationsLocation,
                                      QString(id).replace(id.indexOf(QLatin1Char('-')), 1, QLatin1Char('/')));
    QFile entry(file);
    if (file.isEmpty() || entry.size() > 1024 * 1024 || !entry.open(QIODevice::ReadOnly))
        return std::nullopt;
    QString tryExec;
    std::optional<OpenCommand> command = desktopEntryCommand(QString::fromUtf8(entry.readAll()), path, &tryExec);
    if (command && !tryExec.isEmpty() && findProgram(tryExec).isEmpty())
        return std::nullopt;
    return command;
}
