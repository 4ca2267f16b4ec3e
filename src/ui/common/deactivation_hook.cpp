// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "ui/common/deactivation_hook.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

DeactivationHook::DeactivationHook(QWidget* window, std::function<void()> onDeactivate)
    : QObject(window), m_window(window), m_onDeactivate(std::move(onDeactivate))
{
    window->installEventFilter(this);
}

bool DeactivationHook::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::ActivationChange && !m_window->isActiveWindow())
        QTimer::singleShot(0, m_window, m_onDeactivate);
    return false;
}
