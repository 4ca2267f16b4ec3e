#include "wallpaper/clock_wallpaper_times.h"

#include <QTime>

#include "platform/clock.h"

namespace {
qint16 markAfter(int interval, const QTime& now)
{
    if (interval < 60) {
        const int next = (now.minute() / interval + 1) * interval;
        return static_cast<qint16>(next >= 60 ? 0 : next);
    }
    const int hours = interval / 60;
    const int next = (now.hour() / hours + 1) * hours;
    return static_cast<qint16>(next >= 24 ? 0 : next);
}
} // namespace

ClockWallpaperTimes::ClockWallpaperTimes(const Clock& clock) : m_clock(clock) {}

int ClockWallpaperTimes::intervalMinutes(const QString& item)
{
    static const QStringList items{QStringLiteral("5 min"),  QStringLiteral("10 min"), QStringLiteral("15 min"),
                                   QStringLiteral("30 min"), QStringLiteral("1 hr"),   QStringLiteral("2 hrs"),
                                   QStringLiteral("3 hrs"),  QStringLiteral("4 hrs")};
    static const int minutes[] = {5, 10, 15, 30, 60, 120, 180, 240};
    const qsizetype index = items.indexOf(item);
    return index < 0 ? -1 : minutes[index];
}

void ClockWallpaperTimes::WallpaperSchedule(bool ticked, const QString& intervalText, Flag& bClockActive,
                                            qint16& iWPInterval, qint16& iWPNext)
{
    const int interval = intervalMinutes(intervalText);
    if (!ticked || interval < 0) {
        iWPNext = -1;
        return;
    }
    iWPInterval = static_cast<qint16>(interval);
    iWPNext = markAfter(interval, m_clock.now().time());
    bClockActive = kTrue;
}

void ClockWallpaperTimes::NextWallpaperTime(qint16 iWPInterval, qint16& iWPNext)
{
    if (iWPInterval <= 0) {
        iWPNext = -1;
        return;
    }
    iWPNext = markAfter(iWPInterval, m_clock.now().time());
}
