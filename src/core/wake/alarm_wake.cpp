// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/wake/alarm_wake.h"

#include <QFile>

#include "core/state/translated.h"
#include "platform/clock.h"
#include "platform/computer_waker.h"
#include "platform/file_writer.h"

namespace {
const QByteArray kOff = QByteArrayLiteral("WakeForAlarms=0\n");
const QByteArray kOn = QByteArrayLiteral("WakeForAlarms=1\n");
} // namespace

AlarmWake::AlarmWake(ComputerWaker& waker, const Clock& clock) : m_waker(waker), m_clock(clock)
{
    // A newly found way carries out the last request by itself; only the Settings window's line changes.
    m_waker.onWayChanged = [this] {
        if (statusChanged)
            statusChanged();
    };
    m_waker.onBeforeSleep = [this] { renew(); };
}

AlarmWake::~AlarmWake()
{
    m_waker.onWayChanged = nullptr;
    m_waker.onBeforeSleep = nullptr;
}

void AlarmWake::load(const QString& appPath)
{
    m_filePath = appPath + QLatin1String(kFileName);
    QFile file(m_filePath);
    m_on = !file.open(QIODevice::ReadOnly) || file.read(64) != kOff;
    apply(false);
}

bool AlarmWake::setOn(bool on, QString* reason)
{
    if (on != m_on) {
        m_on = on;
        apply(false);
        if (statusChanged)
            statusChanged();
    }
    return m_filePath.isEmpty() || writeWholeFile(m_filePath, on ? kOn : kOff, reason);
}

void AlarmWake::setNextEvent(const QDateTime& due)
{
    m_due = due;
    apply(false);
}

void AlarmWake::setDisabled(bool disabled)
{
    m_disabled = disabled;
    apply(false);
}

void AlarmWake::stop()
{
    m_stopped = true;
    apply(false);
}

QDateTime AlarmWake::wakeTime(const QDateTime& due, const QDateTime& now)
{
    if (!due.isValid() || due <= now)
        return {};
    const QDateTime early = due.addSecs(-kLeadSeconds);
    return early > now ? early : due;
}

void AlarmWake::apply(bool force)
{
    const bool wanted = m_on && !m_disabled && !m_stopped;
    const QDateTime when = wanted ? wakeTime(m_due, m_clock.now()) : QDateTime();
    if (!force && when == m_requested)
        return;
    m_requested = when;
    m_waker.wakeAt(when);
}

QString AlarmWake::statusText() const
{
    if (!m_on)
        return QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Ixo does not wake the computer."));
    switch (m_waker.way()) {
    case ComputerWaker::Way::SystemTimer:
        return QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Ixo wakes the computer by the system timer."));
    case ComputerWaker::Way::PowerManager:
        return QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Ixo wakes the computer by the KDE power manager."));
    case ComputerWaker::Way::Helper:
        return QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Ixo wakes the computer by the wake helper."));
    case ComputerWaker::Way::None:
        break;
    }
    const QString why = m_waker.whyNot();
    return why.isEmpty()
               ? QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Ixo is looking for a way to wake the computer."))
               : translated(QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Ixo cannot wake the computer: %1"))).arg(why);
}
