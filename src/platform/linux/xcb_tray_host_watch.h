// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <cstdint>
#include <functional>

#include <QAbstractNativeEventFilter>
#include <QObject>

// The X server's word on the notification area: XFixes tells every change of the owner of the screen's
// "_NET_SYSTEM_TRAY_S<screen>" selection, which a tray host takes when it starts and loses when it ends. Waiting
// costs no wake-up. Off X11 (or without XFixes) it watches nothing.
class XcbTrayHostWatch final : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(XcbTrayHostWatch)
public:
    /// `changed` runs from the event loop, after the X event that told it has been handled.
    explicit XcbTrayHostWatch(std::function<void()> changed, QObject* parent = nullptr);
    ~XcbTrayHostWatch() override;

    /// The X server tells of changes.
    bool isWatching() const { return m_selection != 0; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    std::function<void()> m_changed;
    std::uint32_t m_selection = 0; // the selection's atom; 0 while nothing is watched
    std::uint8_t m_notifyType = 0; // the response type of XFixes' selection notify events
};
