// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "app/bus_service.h"

#include <QDBusConnection>
#include <QDBusError>

#include "core/remote/remote_control.h"

BusService::BusService(RemoteControl& remote, QObject* parent) : QObject(parent), m_remote(remote) {}

bool BusService::publish(QDBusConnection& bus, QString* reason)
{
    if (!bus.isConnected()) {
        *reason = QStringLiteral("no session bus: ") + bus.lastError().message();
        return false;
    }
    if (!bus.registerObject(IxoBus::kPath, this, QDBusConnection::ExportScriptableSlots)) {
        *reason = QStringLiteral("the object %1 is taken").arg(IxoBus::kPath);
        return false;
    }
    if (!bus.registerService(IxoBus::kService)) {
        bus.unregisterObject(IxoBus::kPath);
        *reason = QStringLiteral("the name %1 is taken").arg(IxoBus::kService);
        return false;
    }
    return true;
}

bool BusService::AddEvent(const QString& time, const QString& word, const QString& message, QString& answer)
{
    const RemoteAnswer added = m_remote.addEvent(time, word, message);
    answer = added.text;
    return added.ok;
}

QStringList BusService::ListEvents(QStringList& messages)
{
    messages = m_remote.messageLines();
    return m_remote.alarmLines();
}

void BusService::Stop()
{
    m_remote.stop();
}

bool BusService::Snooze(int minutes, QString& reason)
{
    const RemoteAnswer snoozed = m_remote.snooze(minutes);
    reason = snoozed.text;
    return snoozed.ok;
}

void BusService::ShowAlarmSet()
{
    m_remote.showAlarmSet();
}

bool BusService::AddScheduled(const QString& time, const QString& word, const QString& message, const QString& when,
                              QString& answer)
{
    const RemoteAnswer added = m_remote.addScheduled(time, word, message, when);
    answer = added.text;
    return added.ok;
}

QStringList BusService::ListSchedule()
{
    return m_remote.scheduleLines();
}

bool BusService::Unschedule(int number, QString& reason)
{
    const RemoteAnswer removed = m_remote.unschedule(number);
    reason = removed.text;
    return removed.ok;
}
