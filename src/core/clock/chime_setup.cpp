// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/clock/chime_setup.h"

#include "core/state/shared_state.h"
#include "core/time/time_calc.h"

void setUpChime(SharedState& state, bool chimeTicked, const QString& chimeItem, const QTime& now)
{
    qint16 result = 0;
    TimeCalc().scheduleChime(chimeTicked, chimeItem, state.chimeInterval, result, state.chimeMark, now);
    if (result == 1)
        state.setClockActive(kTrue);
    state.chimeOn = toFlag(chimeTicked);
}
