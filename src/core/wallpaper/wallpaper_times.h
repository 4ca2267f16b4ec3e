// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>
#include <QtGlobal>

#include "core/state/shared_state.h"

// The change marks of the wallpaper changer: a minute of the hour, or an hour of the day for intervals of an hour
// and more; -1 for none.
class WallpaperTimes
{
public:
    virtual ~WallpaperTimes() = default;
    /// With `ticked` and an interval item chosen (`intervalText`, e.g. "15 min"): `iWPInterval` = its minutes,
    /// `iWPNext` = the first mark after now, `bClockActive` = -1. Not ticked: `iWPNext` = -1.
    virtual void WallpaperSchedule(bool ticked, const QString& intervalText, Flag& bClockActive, qint16& iWPInterval,
                                   qint16& iWPNext) = 0;
    /// Moves `iWPNext` to the mark after it, never the current minute (hour).
    virtual void NextWallpaperTime(qint16 iWPInterval, qint16& iWPNext) = 0;
};
