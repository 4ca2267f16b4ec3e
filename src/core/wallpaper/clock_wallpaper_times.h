// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include "core/wallpaper/wallpaper_times.h"

class Clock;

// Change marks from the clock's time, computed by TimeCalc.
class ClockWallpaperTimes final : public WallpaperTimes
{
public:
    explicit ClockWallpaperTimes(const Clock& clock);

    void scheduleWallpaper(bool ticked, const QString& intervalText, bool& clockActive, qint16& wallpaperInterval,
                           qint16& wallpaperMark) override;
    void nextWallpaperMark(qint16 wallpaperInterval, qint16& wallpaperMark) override;

private:
    const Clock& m_clock;
};
