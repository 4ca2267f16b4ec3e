// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>

// Starting Ixo when the user logs in.
class Autostart
{
public:
    virtual ~Autostart() = default;
    /// Registers the running program to start at log-in. False, with a reason in `error`, when it could not.
    virtual bool enable(QString* error) = 0;
    /// Removes the registration; true also when there was none.
    virtual bool disable(QString* error) = 0;
    virtual bool isEnabled() const = 0;
};
