// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>
#include <memory>

#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>

#include "platform/tray_icon.h"

class XcbTrayHostWatch;

// The tray icon through QSystemTrayIcon (XEmbed or StatusNotifier, whichever the desktop offers).
class SystemTrayIcon final : public QObject, public TrayIcon
{
    Q_OBJECT
public:
    /// The disabled picture is drawn by `disabled` when it is first shown: most runs never need it.
    SystemTrayIcon(QIcon normal, std::function<QIcon()> disabled, QObject* parent = nullptr);
    ~SystemTrayIcon() override;

    bool isAvailable() const override;
    void add(Picture picture, const QString& tip, QMenu* menu) override;
    void modify(Picture picture) override;
    void remove() override;
    bool isShown() const override;

private:
    QIcon iconFor(Picture picture);

    QSystemTrayIcon m_icon;
    QIcon m_normal;
    std::function<QIcon()> m_drawDisabled;
    QIcon m_disabled;
    /// The desktop's word on its notification area coming and going, asked for when the icon is first added.
    std::unique_ptr<XcbTrayHostWatch> m_hostWatch;
};
