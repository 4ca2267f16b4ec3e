// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QDBusConnection;
class RemoteControl;

// Where the running Ixo answers on the session bus: its application id as the bus name, one object, one interface.
namespace IxoBus {
inline const QString kService = QStringLiteral(IXO_APP_ID);
inline const QString kPath = QStringLiteral("/io/github/ixo/Ixo");
inline const QString kInterface = QStringLiteral("io.github.ixo.Ixo");
} // namespace IxoBus

// The running Ixo's interface on the session bus: each method hands its request to the remote control. The
// methods carry the bus's own names (AddEvent, ListEvents, Stop, Snooze, ShowAlarmSet, AddScheduled, ListSchedule,
// Unschedule).
class BusService final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.github.ixo.Ixo")
    Q_DISABLE_COPY_MOVE(BusService)
public:
    explicit BusService(RemoteControl& remote, QObject* parent = nullptr);

    /// Exports the object and takes the bus name; false, with the reason in `reason`, when there is no bus or
    /// another program holds the name.
    bool publish(QDBusConnection& bus, QString* reason);

public Q_SLOTS:
    /// Adds an event; true and its alarm line, or false and the reason the Alarm Set window would give.
    Q_SCRIPTABLE bool AddEvent(const QString& time, const QString& word, const QString& message, QString& answer);
    /// The day's alarm lines; `messages` gets the message lines.
    Q_SCRIPTABLE QStringList ListEvents(QStringList& messages);
    Q_SCRIPTABLE void Stop();
    /// Snoozes the sounding alarm; false and the reason when nothing sounds.
    Q_SCRIPTABLE bool Snooze(int minutes, QString& reason);
    Q_SCRIPTABLE void ShowAlarmSet();
    /// Adds a schedule entry on `when`; true and "NUMBER YYYY-MM-DD HH:MM:SS" (its next occurrence), or false and why.
    Q_SCRIPTABLE bool AddScheduled(const QString& time, const QString& word, const QString& message,
                                   const QString& when, QString& answer);
    /// The schedule's entries, one line each, fields separated by tabs.
    Q_SCRIPTABLE QStringList ListSchedule();
    /// Removes schedule entry `number` (from 1); false and why when there is none.
    Q_SCRIPTABLE bool Unschedule(int number, QString& reason);

private:
    RemoteControl& m_remote;
};
