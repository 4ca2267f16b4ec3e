// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <optional>

#include <QObject>
#include <QVariantList>

#include "platform/alarm_notifier.h"

class QDBusPendingCallWatcher;

// The alarm notification through the desktop's notification service (org.freedesktop.Notifications on the session
// bus). Every call is asynchronous: a desktop without the service costs one unanswered call and nothing else. The
// bus is joined on the first notification, so an idle Ixo pays nothing for it; the server is asked then whether it
// reads markup in the body.
class DesktopNotifier final : public QObject, public AlarmNotifier
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DesktopNotifier)
public:
    explicit DesktopNotifier(QObject* parent = nullptr);
    ~DesktopNotifier() override;

    void show(const QString& body, int snoozeMinutes) override;
    void withdraw() override;

private Q_SLOTS:
    void onActionInvoked(uint id, const QString& action);
    void onNotificationClosed(uint id, uint reason);

private:
    void listen();
    void notify();
    void onShown(QDBusPendingCallWatcher* call, quint64 asked);
    void close(uint id);

    bool m_listening = false;
    uint m_id = 0;            // the notification shown, 0: none
    quint64 m_asked = 0;      // notifications asked for; only the answer to the last one is kept
    bool m_withdrawn = false; // withdrawn since the last one was asked for
    QString m_body;           // of the last one asked for
    int m_snoozeMinutes = 0;
    std::optional<bool> m_markup; // whether the server reads markup in the body, once it has said
    bool m_askingCapabilities = false;
};

/// The arguments of the Notify call for an alarm: Ixo's icon and the desktop-entry hint (the application id), the
/// body `text` with "&", "<" and ">" escaped when the server reads markup (`markup`), the Stop button and, when
/// `snoozeMinutes` is above 0, the Snooze one.
QVariantList notifyArguments(uint replaces, const QString& text, int snoozeMinutes, bool markup);
