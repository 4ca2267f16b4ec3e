// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QtGlobal>

struct SharedState;

// The one rule by which the dialogs that must not be overlooked share the front, over `frontHolder`.
// Every claimant has a code: 1 the message input window, 13 the data file chooser, 157 the overwrite
// confirmation, a rank from 1000000 for a warning window, a number from 2000000 for an alarm message window.
// A window that loses the activation takes the front back unless a higher code claims it; a window that goes
// gives the front up and hands it back to the dialog that was in front when it came.
// Display-free: the windows do the raising and the beeping this class decides on.
class FrontOrder
{
public:
    explicit FrontOrder(SharedState& state) : m_state(state) {}

    /// The code that claims the front now (0 nobody).
    qint32 holder() const;
    /// Remembers in `previousFront` the code in front when a window comes, unless it already remembers one.
    void rememberPrevious(qint32& previousFront) const;
    /// A dialog that comes claims the front with its code at once; returns the code that held it before.
    qint32 claim(qint32 code);
    /// Whether the window with `code` may take the front back: nobody with a higher code claims it.
    bool mayReclaim(qint32 code) const;
    /// Takes the front back for `code` when allowed; true when the window is to be raised with a beep.
    bool reclaim(qint32 code);
    /// A window gives the front up; returns the dialog code the front goes back to (0 none), see handBackTarget.
    qint32 release(qint32 previousFront);
    /// Only the dialogs (message input, chooser, overwrite confirmation) are put back on top: any other code
    /// (nobody, a warning, an alarm message window) gives 0.
    static qint32 handBackTarget(qint32 previousFront);

private:
    SharedState& m_state;
};
