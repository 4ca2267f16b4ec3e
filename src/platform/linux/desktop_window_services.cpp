// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "platform/linux/desktop_window_services.h"

#include <QApplication>
#include <QWidget>

#include "platform/event_sound.h"

DesktopWindowServices::DesktopWindowServices(EventSound& sounds, std::function<void()> xBell)
    : m_sounds(sounds), m_xBell(xBell ? std::move(xBell) : std::function<void()>(&QApplication::beep))
{
}

void DesktopWindowServices::setTopmost(QWidget* window)
{
    if (!window || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        return;
    const bool wasVisible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (wasVisible)
        window->show(); // changing window flags hides a shown window
}

void DesktopWindowServices::bringToFront(QWidget* window)
{
    if (!window)
        return;
    window->raise();
    window->activateWindow();
}

void DesktopWindowServices::beep()
{
    // Most desktops mute the X bell; their sound theme's bell is what users hear.
    if (!m_sounds.play(QStringLiteral("bell")))
        m_xBell();
}
