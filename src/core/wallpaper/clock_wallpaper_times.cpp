// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/wallpaper/clock_wallpaper_times.h"

#include <QTime>

#include "core/time/time_calc.h"
#include "platform/clock.h"

ClockWallpaperTimes::ClockWallpaperTimes(const Clock& clock) : m_clock(clock) {}

void ClockWallpaperTimes::WallpaperSchedule(bool ticked, const QString& intervalText, Flag& bClockActive,
                                            qint16& iWPInterval, qint16& iWPNext)
{
    TimeCalc().WallpaperSchedule(ticked, intervalText, bClockActive, iWPInterval, iWPNext, m_clock.now().time());
}

void ClockWallpaperTimes::NextWallpaperTime(qint16 iWPInterval, qint16& iWPNext)
{
    TimeCalc().NextWallpaperTime(iWPInterval, iWPNext, m_clock.now().time());
}
