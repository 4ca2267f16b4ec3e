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
    /// With `ticked` and an interval item chosen (`intervalText`, e.g. "15 min"): `wallpaperInterval` = its minutes,
    /// `wallpaperMark` = the first mark after now, `clockActive` = true. Not ticked: `wallpaperMark` = -1.
    virtual void scheduleWallpaper(bool ticked, const QString& intervalText, bool& clockActive,
                                   qint16& wallpaperInterval, qint16& wallpaperMark) = 0;
    /// Moves `wallpaperMark` to the mark after it, never the current minute (hour).
    virtual void nextWallpaperMark(qint16 wallpaperInterval, qint16& wallpaperMark) = 0;
};
