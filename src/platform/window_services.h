// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

class QWidget;

// Window-manager requests: stay on top, come to the front, and the system beep.
class WindowServices
{
public:
    virtual ~WindowServices() = default;
    /// Keeps `window` above ordinary windows. Call before the window is shown.
    virtual void setTopmost(QWidget* window) = 0;
    /// Raises and activates `window` (best effort: a window manager may refuse).
    virtual void bringToFront(QWidget* window) = 0;
    virtual void beep() = 0;
};
