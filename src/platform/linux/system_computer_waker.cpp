// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "platform/linux/system_computer_waker.h"

#include <cerrno>
#include <cstring>
#include <sys/timerfd.h>
#include <unistd.h>

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace {
const QString kPowerService = QStringLiteral("org.kde.Solid.PowerManagement");
const QString kPowerPath = QStringLiteral("/org/kde/Solid/PowerManagement");
const QString kLogin = QStringLiteral("org.freedesktop.login1");
const QString kLoginPath = QStringLiteral("/org/freedesktop/login1");
const QString kLoginManager = QStringLiteral("org.freedesktop.login1.Manager");

QDBusMessage powerCall(const QString& method)
{
    return QDBusMessage::createMethodCall(kPowerService, kPowerPath, kPowerService, method);
}

/// Runs `done` with the finished call once its answer is in, on the event loop.
template <typename Done> void whenAnswered(const QDBusPendingCall& call, QObject* context, Done done)
{
    auto* watcher = new QDBusPendingCallWatcher(call, context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [watcher, done] {
        watcher->deleteLater();
        done(*watcher);
    });
}
} // namespace

SystemComputerWaker::SystemComputerWaker(Setup setup, QObject* parent) : QObject(parent), m_setup(std::move(setup))
{
    m_setup.system.connect(kLogin, kLoginPath, kLoginManager, QStringLiteral("PrepareForSleep"), this,
                           SLOT(onPrepareForSleep(bool)));
    takeSleepDelay();
    tryNextWay();
}

SystemComputerWaker::~SystemComputerWaker()
{
    m_setup.system.disconnect(kLogin, kLoginPath, kLoginManager, QStringLiteral("PrepareForSleep"), this,
                              SLOT(onPrepareForSleep(bool)));
    dropWay();
}

QString SystemComputerWaker::helperPathBeside(const QString& programFolder)
{
    const QString beside = programFolder + QStringLiteral("/ixo-wake");
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(programFolder + QStringLiteral("/../libexec/ixo/ixo-wake"));
}

void SystemComputerWaker::wakeAt(const QDateTime& when)
{
    m_wanted = when;
    send();
}

void SystemComputerWaker::dropWay()
{
    if (m_timerFd >= 0)
        ::close(m_timerFd);
    m_timerFd = -1;
    if (m_cookie != 0)
        m_setup.session.asyncCall(powerCall(QStringLiteral("clearWakeup")) << int(m_cookie));
    m_cookie = 0;
    if (m_way == Way::PowerManager)
        m_setup.session.unregisterObject(QLatin1String(kCallbackPath));
    if (m_helper) {
        // Its timer goes when it exits at the end of its input; it is deleted once it has.
        m_helper->disconnect(this);
        connect(m_helper, &QProcess::finished, m_helper, &QObject::deleteLater);
        m_helper->closeWriteChannel();
        m_helper->setParent(nullptr);
        m_helper = nullptr;
    }
    m_way = Way::None;
    m_awaited = 0;
}

void SystemComputerWaker::tryNextWay()
{
    dropWay();
    if (++m_index >= m_setup.ways.size()) {
        m_index = int(m_setup.ways.size());
        m_whyNot =
            m_reasons.isEmpty() ? QStringLiteral("no way to wake it is known") : m_reasons.join(QStringLiteral("; "));
        confirmed();
        if (onWayChanged)
            onWayChanged();
        return;
    }
    switch (m_setup.ways.at(m_index)) {
    case Way::SystemTimer:
        m_timerFd = timerfd_create(CLOCK_REALTIME_ALARM, TFD_NONBLOCK | TFD_CLOEXEC);
        if (m_timerFd < 0)
            return fail(QStringLiteral("Ixo may not set a wake timer itself (") +
                        QString::fromLocal8Bit(std::strerror(errno)) + QStringLiteral(")"));
        return settle(Way::SystemTimer);
    case Way::PowerManager:
        return askPowerManager();
    case Way::Helper:
        return startHelper();
    case Way::None:
        return tryNextWay();
    }
}

void SystemComputerWaker::settle(Way way)
{
    m_way = way;
    m_reasons.clear();
    m_whyNot.clear();
    if (onWayChanged)
        onWayChanged();
    if (m_wanted.isValid())
        send();
}

void SystemComputerWaker::fail(const QString& reason)
{
    m_reasons.append(reason);
    tryNextWay();
}

void SystemComputerWaker::send()
{
    const qint64 seconds = m_wanted.isValid() ? m_wanted.toSecsSinceEpoch() : 0;
    switch (m_way) {
    case Way::None:
        return; // a way found later sends what is wanted then
    case Way::SystemTimer: {
        itimerspec at{};
        at.it_value.tv_sec = time_t(seconds);
        if (timerfd_settime(m_timerFd, TFD_TIMER_ABSTIME, &at, nullptr) != 0)
            return fail(QStringLiteral("its wake timer could not be set (") +
                        QString::fromLocal8Bit(std::strerror(errno)) + QStringLiteral(")"));
        return confirmed();
    }
    case Way::PowerManager: {
        if (m_cookie != 0)
            m_setup.session.asyncCall(powerCall(QStringLiteral("clearWakeup")) << int(m_cookie));
        m_cookie = 0;
        const quint64 request = ++m_requests;
        if (seconds == 0)
            return confirmed();
        ++m_awaited;
        const QDBusPendingCall call =
            m_setup.session.asyncCall(powerCall(QStringLiteral("scheduleWakeup"))
                                      << m_setup.session.baseService()
                                      << QVariant::fromValue(QDBusObjectPath(QLatin1String(kCallbackPath))) << seconds);
        whenAnswered(call, this, [this, request](const QDBusPendingCallWatcher& answer) {
            const QDBusPendingReply<uint> reply = answer;
            if (m_way != Way::PowerManager)
                return;
            --m_awaited;
            if (request != m_requests) {
                // Overtaken by a later request: this wake-up is not wanted any more.
                if (reply.isValid())
                    m_setup.session.asyncCall(powerCall(QStringLiteral("clearWakeup")) << int(reply.value()));
                return;
            }
            if (reply.isError())
                return fail(QStringLiteral("the KDE power manager refused the wake-up (") + reply.error().message() +
                            QStringLiteral(")"));
            m_cookie = reply.value();
            confirmed();
        });
        return;
    }
    case Way::Helper:
        ++m_awaited;
        m_helper->write(seconds == 0 ? QByteArray("\n") : QByteArray::number(seconds) + '\n');
        return;
    }
}

void SystemComputerWaker::confirmed()
{
    if (m_sleeping && m_awaited <= 0)
        m_sleepDelay = QDBusUnixFileDescriptor(); // the computer may sleep now
}

void SystemComputerWaker::askPowerManager()
{
    const QDBusMessage introspect = QDBusMessage::createMethodCall(
        kPowerService, kPowerPath, QStringLiteral("org.freedesktop.DBus.Introspectable"), QStringLiteral("Introspect"));
    whenAnswered(m_setup.session.asyncCall(introspect), this, [this](const QDBusPendingCallWatcher& answer) {
        const QDBusPendingReply<QString> reply = answer;
        if (reply.isError())
            return fail(QStringLiteral("the KDE power manager is not running"));
        if (!reply.value().contains(QLatin1String("\"scheduleWakeup\"")))
            return fail(QStringLiteral("the KDE power manager offers no wake-up"));
        m_setup.session.registerObject(QLatin1String(kCallbackPath), this, QDBusConnection::ExportScriptableSlots);
        settle(Way::PowerManager);
    });
}

void SystemComputerWaker::startHelper()
{
    const QFileInfo helper(m_setup.helperPath);
    if (!helper.isFile() || !helper.isExecutable())
        return fail(QStringLiteral("the wake helper is not installed (") + m_setup.helperPath + QStringLiteral(")"));
    m_helperSaid.clear();
    m_helper = new QProcess(this);
    m_helper->setProcessChannelMode(QProcess::SeparateChannels);
    m_helper->setReadChannel(QProcess::StandardOutput);
    connect(m_helper, &QProcess::readyReadStandardOutput, this, &SystemComputerWaker::onHelperOutput);
    connect(m_helper, &QProcess::finished, this, [this] {
        m_helper->deleteLater();
        m_helper = nullptr;
        fail(QStringLiteral("the wake helper stopped") +
             (m_helperSaid.isEmpty() ? QString() : QStringLiteral(": ") + m_helperSaid));
    });
    connect(m_helper, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        const QString why = m_helper->errorString();
        m_helper->deleteLater();
        m_helper = nullptr;
        fail(QStringLiteral("the wake helper could not be started (") + why + QStringLiteral(")"));
    });
    m_helper->start(m_setup.helperPath, {});
}

void SystemComputerWaker::onHelperOutput()
{
    while (m_helper && m_helper->canReadLine()) {
        m_helperSaid = QString::fromUtf8(m_helper->readLine()).trimmed();
        if (m_way != Way::Helper) {
            if (m_helperSaid == QLatin1String("ready"))
                settle(Way::Helper);
            continue; // anything else: it exits, and says why
        }
        --m_awaited;
        confirmed();
    }
}

void SystemComputerWaker::wakeupCallback(int cookie)
{
    if (uint(cookie) == m_cookie)
        m_cookie = 0; // that wake-up is spent
}

void SystemComputerWaker::takeSleepDelay()
{
    QDBusMessage inhibit = QDBusMessage::createMethodCall(kLogin, kLoginPath, kLoginManager, QStringLiteral("Inhibit"));
    inhibit << QStringLiteral("sleep") << QStringLiteral("Ixo")
            << QStringLiteral("Setting the wake-up for the next alarm") << QStringLiteral("delay");
    whenAnswered(m_setup.system.asyncCall(inhibit), this, [this](const QDBusPendingCallWatcher& answer) {
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = answer;
        if (reply.isValid() && !m_sleeping)
            m_sleepDelay = reply.value();
    });
}

void SystemComputerWaker::onPrepareForSleep(bool sleeping)
{
    m_sleeping = sleeping;
    if (!sleeping) {
        takeSleepDelay();
        return;
    }
    if (onBeforeSleep)
        onBeforeSleep();
    confirmed();
}
