// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/wallpaper/clock_wallpaper_times.h"

#include <QTime>

#include "core/time/time_calc.h"
#include "platform/clock.h"

ClockWallpaperTimes::ClockWallpaperTimes(const Clock& clock) : m_clock(clock) {}

void ClockWallpaperTimes::scheduleWallpaper(bool ticked, const QString& intervalText, bool& clockActive,
                                            qint16& wallpaperInterval, qint16& wallpaperMark)
{
    TimeCalc().scheduleWallpaper(ticked, intervalText, clockActive, wallpaperInterval, wallpaperMark,
                                 m_clock.now().time());
}

void ClockWallpaperTimes::nextWallpaperMark(qint16 wallpaperInterval, qint16& wallpaperMark)
{
    TimeCalc().nextWallpaperMark(wallpaperInterval, wallpaperMark, m_clock.now().time());
}
