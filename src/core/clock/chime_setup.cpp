// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/clock/chime_setup.h"

#include "core/state/shared_state.h"
#include "core/time/time_calc.h"

void setUpChime(SharedState& state, bool chimeTicked, const QString& chimeItem, const QTime& now)
{
    if (TimeCalc().scheduleChime(chimeTicked, chimeItem, state.chimeInterval, state.chimeMark, now))
        state.setClockActive(true);
    state.chimeOn = chimeTicked;
}
