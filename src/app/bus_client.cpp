// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "app/bus_client.h"

#include <cstdio>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusInterface>
#include <QDBusReply>

#include "app/bus_service.h"
#include "core/startup/command_line.h"
#include "core/state/translated.h"

namespace {
// A busy Ixo (a sound error box open) still answers: its windows' event loops serve the bus.
constexpr int kCallTimeoutMs = 10000;
constexpr int kRefused = 1;

int fail(const QString& text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
    return kRefused;
}

void print(const QStringList& lines)
{
    for (const QString& line : lines)
        std::printf("%s\n", qPrintable(line));
}

// The exit code of a call answered with (ok, text): the text goes to standard output when done (if any), else to
// standard error.
int answered(const QDBusMessage& reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2)
        return fail(QStringLiteral("ixo: ") + reply.errorMessage());
    const QString text = reply.arguments().at(1).toString();
    if (!reply.arguments().at(0).toBool())
        return fail(translated(text)); // a refusal the running Ixo keeps in English, in the caller's language
    if (!text.isEmpty())
        print({text});
    return 0;
}
} // namespace

namespace BusClient {

int run(const CommandLine::Parsed& command)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) // from cron or over ssh: no Ixo can be asked, running or not
        return fail(QCoreApplication::translate("CommandLine", "ixo: the session bus cannot be reached: %1")
                        .arg(bus.lastError().message()));
    if (!bus.interface()->isServiceRegistered(IxoBus::kService).value())
        return fail(QCoreApplication::translate("CommandLine", "Ixo is not running"));
    QDBusInterface ixo(IxoBus::kService, IxoBus::kPath, IxoBus::kInterface, bus);
    ixo.setTimeout(kCallTimeoutMs);

    switch (command.action) {
    case CommandLine::Action::Add:
        if (!command.on.isEmpty())
            return answered(
                ixo.call(QStringLiteral("AddScheduled"), command.time, command.word, command.message, command.on));
        return answered(ixo.call(QStringLiteral("AddEvent"), command.time, command.word, command.message));
    case CommandLine::Action::List: {
        const QDBusMessage reply = ixo.call(QStringLiteral("ListEvents"));
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2)
            return fail(QStringLiteral("ixo: ") + reply.errorMessage());
        const QDBusMessage schedule = ixo.call(QStringLiteral("ListSchedule"));
        if (schedule.type() != QDBusMessage::ReplyMessage || schedule.arguments().size() != 1)
            return fail(QStringLiteral("ixo: ") + schedule.errorMessage());
        print(reply.arguments().at(0).toStringList() + reply.arguments().at(1).toStringList() +
              schedule.arguments().at(0).toStringList());
        return 0;
    }
    case CommandLine::Action::Unschedule:
        return answered(ixo.call(QStringLiteral("Unschedule"), command.entry));
    case CommandLine::Action::Stop: {
        const QDBusMessage reply = ixo.call(QStringLiteral("Stop"));
        return reply.type() == QDBusMessage::ReplyMessage ? 0 : fail(QStringLiteral("ixo: ") + reply.errorMessage());
    }
    case CommandLine::Action::Snooze:
        return answered(ixo.call(QStringLiteral("Snooze"), command.minutes));
    default:
        return fail(QStringLiteral("ixo: not a command for the running Ixo"));
    }
}

} // namespace BusClient
