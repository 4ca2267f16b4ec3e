#pragma once

#include "wallpaper/wallpaper_times.h"

class Clock;

// Change marks from the clock: aligned to multiples of the interval ("15 min": :00 :15 :30 :45; "2 hrs": 0, 2,
// ... 22), always after now and at most one interval ahead; 0 stands for the coming full hour (midnight).
class ClockWallpaperTimes final : public WallpaperTimes
{
public:
    explicit ClockWallpaperTimes(const Clock& clock);

    void WallpaperSchedule(bool ticked, const QString& intervalText, Flag& bClockActive, qint16& iWPInterval,
                           qint16& iWPNext) override;
    void NextWallpaperTime(qint16 iWPInterval, qint16& iWPNext) override;

    /// Minutes of an interval item ("5 min" ... "4 hrs"), or -1 for any other text.
    static int intervalMinutes(const QString& item);

private:
    const Clock& m_clock;
};
