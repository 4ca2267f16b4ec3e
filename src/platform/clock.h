// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QDateTime>

// The time source of the whole program; tests hand in a clock they set and advance.
class Clock
{
public:
    virtual ~Clock() = default;
    /// Local date and time now.
    virtual QDateTime now() const = 0;
};
