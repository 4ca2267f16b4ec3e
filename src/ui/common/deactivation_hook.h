// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>

#include <QObject>

class QWidget;

// Runs a window's deactivation handler when the window loses the activation, once the event that took it
// away has been handled (a zero-time timer), and never after the window is gone.
class DeactivationHook : public QObject
{
public:
    DeactivationHook(QWidget* window, std::function<void()> onDeactivate);

    template <class Window> static void install(Window* window, void (Window::*handler)())
    {
        new DeactivationHook(window, [window, handler] { (window->*handler)(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    std::function<void()> m_onDeactivate;
};
