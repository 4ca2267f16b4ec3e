// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>

// Tells when the wall clock jumps: set by hand or by time synchronisation, or the computer woke from sleep. Timers
// run on a clock that skips neither, so a wait for a time of day learns here that it must be worked out again.
class ClockJumps
{
public:
    virtual ~ClockJumps() = default;

    /// Called after every jump, from the event loop.
    std::function<void()> onJump;
};
