// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QList>
#include <QObject>
#include <QPointer>

#include "platform/computer_waker.h"

class QProcess;

// Wakes the computer the first way that works, tried in order at start and again whenever the one in use fails: a
// wake timer of its own (timerfd on CLOCK_REALTIME_ALARM, which needs CAP_WAKE_ALARM), the KDE power manager's
// scheduleWakeup on the session bus, the wake helper ixo-wake (which holds the capability) as a child fed through
// its standard input. Every call is asynchronous. A logind sleep delay is held between sleeps, so that before the
// computer sleeps the request is brought in line with the next event (onBeforeSleep) and seen through.
class SystemComputerWaker final : public QObject, public ComputerWaker
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.PowerManagement")
    Q_DISABLE_COPY_MOVE(SystemComputerWaker)
public:
    struct Setup
    {
        QDBusConnection session;
        /// Where logind is (the system bus).
        QDBusConnection system;
        /// The wake helper; a missing file: the helper is not installed.
        QString helperPath;
        /// The ways to try, in order.
        QList<Way> ways{Way::SystemTimer, Way::PowerManager, Way::Helper};
    };
    /// Where the power manager calls back when its wake-up has come.
    static constexpr const char* kCallbackPath = "/io/github/ixo/Ixo/Wake";

    explicit SystemComputerWaker(Setup setup, QObject* parent = nullptr);
    ~SystemComputerWaker() override;

    void wakeAt(const QDateTime& when) override;
    Way way() const override { return m_way; }
    QString whyNot() const override { return m_whyNot; }
    /// Every request sent has been answered.
    bool isAnswered() const { return m_awaited <= 0; }
    /// The logind sleep delay is held.
    bool holdsSleepDelay() const { return m_sleepDelay.isValid(); }
    /// The wake helper beside the program `programFolder`, or in ../libexec/ixo/ beside its bin/ folder.
    static QString helperPathBeside(const QString& programFolder);

public Q_SLOTS:
    /// The power manager's call when the wake-up `cookie` has come.
    Q_SCRIPTABLE void wakeupCallback(int cookie);

private Q_SLOTS:
    void onPrepareForSleep(bool sleeping);

private:
    void tryNextWay();
    void settle(Way way);
    void fail(const QString& reason);
    void send();
    void confirmed();
    void askPowerManager();
    void startHelper();
    void onHelperOutput();
    void takeSleepDelay();
    /// Lets go of the way in use (its timer, wake-up or helper), taking its request back.
    void dropWay();

    Setup m_setup;
    int m_index = -1;      // the way in m_setup.ways tried or in use
    Way m_way = Way::None; // the way in use
    QStringList m_reasons; // why each way tried did not work
    QString m_whyNot;
    QDateTime m_wanted;     // what is to be armed; invalid: nothing
    int m_awaited = 0;      // requests still to be answered
    quint64 m_requests = 0; // requests sent to the power manager
    int m_timerFd = -1;
    uint m_cookie = 0; // the power manager's wake-up; 0: none
    QPointer<QProcess> m_helper;
    QString m_helperSaid; // the helper's last line
    QDBusUnixFileDescriptor m_sleepDelay;
    bool m_sleeping = false; // released the delay for a sleep; waiting for the resume
};
