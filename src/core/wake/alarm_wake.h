// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>

#include <QDateTime>
#include <QString>

class ComputerWaker;
class Clock;

// What the computer is asked to wake for: a minute before the next pending event, so that the sound and the window
// are up when it is due. Only that event is asked for; nothing while none is pending, while Ixo is disabled, after
// "Wake the computer for alarms" is switched off, or once Ixo ends. The setting is kept in "wake.ini" in the
// program folder, beside ixo.ini.
class AlarmWake final
{
public:
    /// How long before its event the computer wakes.
    static constexpr int kLeadSeconds = 60;
    static constexpr const char* kFileName = "wake.ini";

    AlarmWake(ComputerWaker& waker, const Clock& clock);
    ~AlarmWake();
    AlarmWake(const AlarmWake&) = delete;
    AlarmWake& operator=(const AlarmWake&) = delete;

    /// Reads the setting from the program folder `appPath` (ending in "/"): on unless the file says off.
    void load(const QString& appPath);
    bool isOn() const { return m_on; }
    /// Switches waking on or off and keeps the choice; false with the reason when the file could not be written
    /// (the switch holds for this run all the same).
    bool setOn(bool on, QString* reason);

    /// The next pending event, whatever list it comes from; an invalid time: none is pending.
    void setNextEvent(const QDateTime& due);
    /// Ixo's Disable in the tray menu.
    void setDisabled(bool disabled);
    /// Ixo ends: the request is taken back for good.
    void stop();
    /// Asks again for what is wanted now, also when it was asked before (the computer is about to sleep).
    void renew() { apply(true); }

    /// The time asked for; invalid while nothing is.
    QDateTime requested() const { return m_requested; }
    /// How the computer is woken, or why it cannot be: the Settings window's line.
    QString statusText() const;
    /// Told when statusText() may have changed.
    std::function<void()> statusChanged;

    /// When to wake for an event due at `due`, seen at `now`: kLeadSeconds before it, or at `due` itself when that
    /// has passed; invalid when `due` is invalid or not after `now`.
    static QDateTime wakeTime(const QDateTime& due, const QDateTime& now);

private:
    void apply(bool force);

    ComputerWaker& m_waker;
    const Clock& m_clock;
    QString m_filePath;
    bool m_on = true;
    bool m_disabled = false;
    bool m_stopped = false;
    QDateTime m_due;
    QDateTime m_requested;
};
