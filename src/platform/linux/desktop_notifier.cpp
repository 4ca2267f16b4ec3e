// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "platform/linux/desktop_notifier.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
constexpr uchar kCriticalUrgency = 2;
constexpr int kNeverExpires = 0;

QDBusMessage call(const QString& method)
{
    return QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
}
} // namespace

QVariantList notifyArguments(uint replaces, const QString& text, int snoozeMinutes, bool markup)
{
    QStringList actions{QStringLiteral("stop"),
                        QCoreApplication::translate("Notification", "Stop", "the sounding alarm")};
    if (snoozeMinutes > 0)
        actions << QStringLiteral("snooze") << QCoreApplication::translate("Notification", "Snooze");
    // Critical: the notification stays until it is answered. The alarm sounds already, so the server plays none.
    const QVariantMap hints{{QStringLiteral("urgency"), QVariant::fromValue(kCriticalUrgency)},
                            {QStringLiteral("suppress-sound"), true},
                            {QStringLiteral("desktop-entry"), QStringLiteral(IXO_APP_ID)}};
    QString body = text;
    if (markup) // a message is text: "Tom & Jerry <b>now" shows as written
        body.replace(QLatin1Char('&'), QLatin1String("&amp;"))
            .replace(QLatin1Char('<'), QLatin1String("&lt;"))
            .replace(QLatin1Char('>'), QLatin1String("&gt;"));
    return {QStringLiteral("Ixo"), replaces, QStringLiteral(IXO_APP_ID), QStringLiteral("Ixo"), body, actions, hints,
            kNeverExpires};
}

DesktopNotifier::DesktopNotifier(QObject* parent) : QObject(parent) {}

DesktopNotifier::~DesktopNotifier()
{
    withdraw();
}

void DesktopNotifier::listen()
{
    if (m_listening)
        return;
    m_listening = true;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                SLOT(onActionInvoked(uint, QString)));
    bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                SLOT(onNotificationClosed(uint, uint)));
}

void DesktopNotifier::show(const QString& body, int snoozeMinutes)
{
    listen();
    m_body = body;
    m_snoozeMinutes = snoozeMinutes;
    ++m_asked;
    m_withdrawn = false;
    if (m_markup.has_value()) {
        notify();
        return;
    }
    if (m_askingCapabilities)
        return; // the answer shows the last one asked for
    // Whether the body is read as markup, asked once; a server that does not answer is taken to read it, as most do.
    m_askingCapabilities = true;
    auto* watcher = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(call(QStringLiteral("GetCapabilities"))), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* answer) {
        answer->deleteLater();
        m_askingCapabilities = false;
        const QDBusPendingReply<QStringList> reply = *answer;
        if (!reply.isError())
            m_markup = reply.value().contains(QStringLiteral("body-markup"));
        if (!m_withdrawn)
            notify();
    });
}

void DesktopNotifier::notify()
{
    QDBusMessage notify = call(QStringLiteral("Notify"));
    notify.setArguments(notifyArguments(m_id, m_body, m_snoozeMinutes, m_markup.value_or(true)));
    const quint64 asked = m_asked;
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(notify), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, asked](QDBusPendingCallWatcher* shown) { onShown(shown, asked); });
}

void DesktopNotifier::onShown(QDBusPendingCallWatcher* call, quint64 asked)
{
    call->deleteLater();
    const QDBusPendingReply<uint> reply = *call;
    if (reply.isError())
        return; // no notification service: the alarm's windows and the tray are enough
    // An answer that came after a newer notification was asked for, or after the withdrawal, is taken away.
    if (asked != m_asked || m_withdrawn)
        close(reply.value());
    else
        m_id = reply.value();
}

void DesktopNotifier::withdraw()
{
    m_withdrawn = true;
    close(m_id);
    m_id = 0;
}

void DesktopNotifier::close(uint id)
{
    if (id == 0)
        return;
    QDBusMessage closing = call(QStringLiteral("CloseNotification"));
    closing << id;
    QDBusConnection::sessionBus().asyncCall(closing);
}

void DesktopNotifier::onActionInvoked(uint id, const QString& action)
{
    if (id == 0 || id != m_id)
        return;
    if (action == QLatin1String("stop") && onStop)
        onStop();
    else if (action == QLatin1String("snooze") && onSnooze)
        onSnooze();
}

void DesktopNotifier::onNotificationClosed(uint id, uint)
{
    if (id == m_id)
        m_id = 0;
}
