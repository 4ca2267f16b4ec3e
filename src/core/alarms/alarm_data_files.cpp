// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/alarms/alarm_data_files.h"

#include <QFileInfo>
#include <QProcess>
#include <QSet>

#include "core/alarms/alarm_lines.h"
#include "core/alarms/alarm_list_logic.h"
#include "core/alarms/alarm_lists.h"
#include "core/files/list_file_flow.h"
#include "core/state/translated.h"
#include "core/state/warnings.h"
#include "core/time/time_calc.h"
#include "platform/clock.h"
#include "platform/launcher.h"

namespace {

// A number as the error list shows it: a leading blank for a positive value, "-" for a negative one.
QString signedNumber(qint64 n)
{
    return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n);
}

// Starts the first editor that will: the desktop's default application `app`, a desktop editor, or $VISUAL,
// $EDITOR or Debian's "editor" inside a terminal.
void startEditor(const AlarmDataFiles::Services& services, const QString& path, const std::optional<OpenCommand>& app)
{
    Launcher& launcher = services.launcher;
    // Every program gets its arguments as a list of its own, the file as one of them; no shell sees them.
    auto start = [&](const QString& program, const QStringList& arguments) {
        const QString found = launcher.findProgram(program);
        return !found.isEmpty() && launcher.startProgram(found, arguments);
    };
    // A terminal editor started on its own has no window: it runs inside a terminal emulator or not at all.
    auto startInTerminal = [&](const QStringList& command) {
        if (command.isEmpty() || launcher.findProgram(command.first()).isEmpty())
            return false;
        QList<QStringList> terminals;
        if (QStringList terminal = QProcess::splitCommand(services.terminal); !terminal.isEmpty())
            terminals.append(terminal);
        terminals.append({QStringLiteral("x-terminal-emulator")});
        for (QStringList terminal : std::as_const(terminals)) {
            const QString program = terminal.takeFirst();
            if (start(program, terminal + QStringList{QStringLiteral("-e")} + command))
                return true;
        }
        return false;
    };

    if (app && (app->terminal ? startInTerminal(QStringList{app->program} + app->arguments)
                              : start(app->program, app->arguments)))
        return;
    for (const QString& editor : AlarmDataFiles::desktopEditors())
        if (start(editor, {path}))
            return;
    for (const QString& command : {services.visualEditor, services.editor, QStringLiteral("editor")})
        if (QStringList words = QProcess::splitCommand(command); !words.isEmpty())
            if (startInTerminal(words << path))
                return;
    services.warnings.warn(QStringLiteral(QT_TRANSLATE_NOOP("Messages", "notepad and wordpad not found")));
}

} // namespace

AlarmDataFiles::AlarmDataFiles(SharedState& state, AlarmLists& lists, const Services& services)
    : m_state(state), m_lists(lists), m_services(services)
{
}

const QStringList& AlarmDataFiles::desktopEditors()
{
    static const QStringList editors{QStringLiteral("gnome-text-editor"),
                                     QStringLiteral("gedit"),
                                     QStringLiteral("kate"),
                                     QStringLiteral("kwrite"),
                                     QStringLiteral("mousepad"),
                                     QStringLiteral("xed"),
                                     QStringLiteral("pluma"),
                                     QStringLiteral("featherpad"),
                                     QStringLiteral("leafpad"),
                                     QStringLiteral("geany")};
    return editors;
}

QStringList AlarmDataFiles::fileLines(const AlarmLists& lists)
{
    return lists.alarms.lines() + lists.messages.lines();
}

void AlarmDataFiles::filterAlarmLine(const QString& line, bool& accepted)
{
    if (!TimeCalc().checkAlarmLine(line))
        accepted = false;
}

void AlarmDataFiles::timePassed(const QString& line, const QString& now, bool& passed)
{
    passed = AlarmLines::compareTimes(AlarmLines::lineTime(line), now) <= 0;
}

LoadFindings AlarmDataFiles::load(const QString& fileName, const QTime& dueFrom, const LoadFindings* reported)
{
    LoadFindings findings;
    const auto missing = [&] { return !QFileInfo(m_state.appPath + fileName).isFile(); };
    if (reported && reported->missing && missing()) {
        findings.missing = true;
        return findings;
    }
    const TimeCalc checker;
    // A new day starts with the second its change was seen: an event of that second is due, not passed.
    const bool newDay = dueFrom.isValid();
    const QString now = (newDay ? dueFrom : m_services.clock.now().time()).toString(QStringLiteral("HH:mm:ss"));
    const auto isPassed = [&](const QString& line) {
        bool passed = false;
        if (newDay)
            passed = AlarmLines::compareTimes(AlarmLines::lineTime(line), now) < 0;
        else
            timePassed(line, now, passed);
        return passed;
    };
    AlarmDataList& alarms = m_lists.alarms;
    MessageList& messages = m_lists.messages;
    // The message times already in the list, so a long file is not searched line by line per message.
    QSet<QString> messageTimes;
    messageTimes.reserve(messages.count());
    for (const QString& line : messages.lines())
        messageTimes.insert(AlarmLines::lineTime(line));
    qint64 n = 1;
    int e = 0;
    int said = 0; // the errors reported: those not reported by the last load
    bool full = false;
    auto recordError = [&](const QString& item) {
        findings.badItems.append(item);
        ++e;
        if (reported && reported->badItems.contains(item))
            return;
        if (said++ == 0) {
            m_services.errors.addErrorLine(fileName);
            m_services.errors.beep();
        }
        m_services.errors.addErrorLine(
            translated(QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Invalid data in file, Data %1")))
                .arg(signedNumber(n)));
        m_services.errors.showErrorList();
    };

    auto take = [&](const QString& line) {
        bool passed = false;
        if (AlarmLines::isMessageLine(line)) {
            if (!checker.checkMessageLine(line)) {
                recordError(line);
            } else {
                passed = isPassed(line);
                const QString time = AlarmLines::lineTime(line);
                if (!passed && !messageTimes.contains(time)) {
                    full = !messages.append(line);
                    messageTimes.insert(time);
                }
            }
        } else {
            bool accepted = true;
            filterAlarmLine(line, accepted);
            if (!accepted) {
                recordError(line);
            } else {
                passed = isPassed(line);
                // A time already in the list is dropped without a word; only a full list stops the load.
                if (!passed && alarms.insertSorted(line) == AlarmDataList::Insert::Full)
                    full = true;
            }
        }
        ++n;
        if (e == kMaxErrors) {
            if (said > 0)
                m_services.errors.addErrorLine(
                    translated(QStringLiteral(QT_TRANSLATE_NOOP("Messages", "%1 seems to be wrong format")))
                        .arg(fileName));
            return false;
        }
        return !full;
    };
    if (!m_services.files.load(fileName, take)) {
        findings.missing = missing();
        return findings;
    }
    if (full)
        m_services.warnings.warn(AlarmListLogic::kListFull);

    m_state.setClockActive(true);
    m_state.refreshNext = true;
    m_state.alarmsPending = !alarms.isEmpty();
    return findings;
}

void AlarmDataFiles::save(const QString& fileName)
{
    m_services.files.save(kSaver, fileName);
}

void AlarmDataFiles::edit(const QString& fileName)
{
    const QString path = m_state.appPath + fileName;
    // What the desktop's file manager would open a text file with. The answer comes later, when this object may
    // be gone; the services it names live as long as the program.
    m_services.launcher.askDefaultApplication(
        QStringLiteral("text/plain"), path,
        [services = m_services, path](const std::optional<OpenCommand>& app) { startEditor(services, path, app); });
}
