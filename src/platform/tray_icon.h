// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>

#include <QString>

class QMenu;

// The notification-area icon: added once with its tip and menu, its picture changed, removed at the end.
class TrayIcon
{
public:
    enum class Picture { Normal, Disabled };
    enum class Activation { Trigger, Context, Other };

    virtual ~TrayIcon() = default;

    /// Whether a notification area (a tray host) exists now.
    virtual bool isAvailable() const = 0;
    /// Shows the icon with `picture`, the tooltip and the context menu.
    virtual void add(Picture picture, const QString& tip, QMenu* menu) = 0;
    /// Changes the picture of the shown icon.
    virtual void modify(Picture picture) = 0;
    /// Takes the icon away.
    virtual void remove() = 0;
    /// Whether the icon is currently shown.
    virtual bool isShown() const = 0;

    /// Called for every activation of the icon (a left click is Trigger).
    std::function<void(Activation)> onActivated;
    /// Called, once set and the icon added, when the desktop's notification area may have come or gone (the desktop
    /// tells; nothing is polled). The icon is shown there once isAvailable() says so.
    std::function<void()> onHostChanged;
};
