// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "platform/linux/system_tray_icon.h"

#include "platform/linux/xcb_tray_host_watch.h"

SystemTrayIcon::SystemTrayIcon(QIcon normal, std::function<QIcon()> disabled, QObject* parent)
    : QObject(parent), m_normal(std::move(normal)), m_drawDisabled(std::move(disabled))
{
    connect(&m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (!onActivated)
            return;
        switch (reason) {
        case QSystemTrayIcon::Trigger:
            onActivated(Activation::Trigger);
            break;
        case QSystemTrayIcon::Context:
            onActivated(Activation::Context);
            break;
        default:
            onActivated(Activation::Other);
            break;
        }
    });
}

SystemTrayIcon::~SystemTrayIcon() = default;

bool SystemTrayIcon::isAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemTrayIcon::add(Picture picture, const QString& tip, QMenu* menu)
{
    m_icon.setIcon(iconFor(picture));
    m_icon.setToolTip(tip);
    m_icon.setContextMenu(menu);
    m_icon.show();
    if (!m_hostWatch)
        m_hostWatch = std::make_unique<XcbTrayHostWatch>([this] {
            if (onHostChanged)
                onHostChanged();
        });
}

void SystemTrayIcon::modify(Picture picture)
{
    m_icon.setIcon(iconFor(picture));
}

void SystemTrayIcon::remove()
{
    m_icon.hide();
}

bool SystemTrayIcon::isShown() const
{
    return m_icon.isVisible();
}

QIcon SystemTrayIcon::iconFor(Picture picture)
{
    if (picture != Picture::Disabled)
        return m_normal;
    if (m_disabled.isNull() && m_drawDisabled)
        m_disabled = m_drawDisabled();
    return m_disabled;
}
