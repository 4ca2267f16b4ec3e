// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <array>

// Why the clock timer stands still. Each reason comes and goes on its own: the program still starting, the user's
// Disable, the idle stop while the clock has nothing to do, and the sound error boxes (counted, since a box may
// open while another is up). The clock runs once none holds it, in whatever order they came and went.
class ClockHolds
{
public:
    enum class Reason { Starting, Disabled, Idle, SoundBox, Count };

    /// Takes one hold for `reason`; release() gives it back.
    void hold(Reason reason) { ++at(reason); }
    void release(Reason reason)
    {
        if (at(reason) > 0)
            --at(reason);
    }
    /// A reason that is either there or not (Disable, the idle stop), set to what it is now.
    void set(Reason reason, bool held) { at(reason) = held ? 1 : 0; }

    bool isFree() const
    {
        for (const int count : m_counts)
            if (count > 0)
                return false;
        return true;
    }

private:
    int& at(Reason reason) { return m_counts[static_cast<int>(reason)]; }
    std::array<int, static_cast<int>(Reason::Count)> m_counts{1, 0, 0, 0}; // a new clock is starting
};
