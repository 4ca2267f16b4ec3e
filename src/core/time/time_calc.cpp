// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/time/time_calc.h"

#include <algorithm>
#include <array>

namespace {
constexpr int kMinutesPerHour = 60;
constexpr int kHoursPerDay = 24;

// The first multiple of `step` after `current`, wrapping to 0 at `modulus`. The step is kept below the
// modulus, so the result never equals `current`.
qint16 nextMultiple(int step, int current, int modulus)
{
    step = std::clamp(step, 1, modulus - 1);
    const int next = (current / step + 1) * step;
    return static_cast<qint16>(next >= modulus ? 0 : next);
}

// The mark after `now` for an interval in minutes: minutes below 60, hours of the day from 60 on.
qint16 nextMark(int intervalMinutes, const QTime& now)
{
    if (intervalMinutes >= kMinutesPerHour)
        return nextMultiple(intervalMinutes / kMinutesPerHour, now.hour(), kHoursPerDay);
    return nextMultiple(intervalMinutes, now.minute(), kMinutesPerHour);
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A two-digit field no greater than `max`.
bool isField(QStringView text, int max)
{
    if (text.size() != 2 || !isDigit(text[0]) || !isDigit(text[1]))
        return false;
    return (text[0].unicode() - '0') * 10 + (text[1].unicode() - '0') <= max;
}
} // namespace

bool TimeCalc::isClockTime(QStringView time)
{
    return time.size() == 8 && time[2] == QLatin1Char(':') && time[5] == QLatin1Char(':') &&
           isField(time.mid(0, 2), 23) && isField(time.mid(3, 2), 59) && isField(time.mid(6, 2), 59);
}

void TimeCalc::nextChimeMark(qint16 chimeInterval, qint16& chimeMark, const QTime& now) const
{
    if (chimeInterval < 1 || chimeInterval > kMinutesPerHour) {
        chimeMark = -1;
        return;
    }
    chimeMark = nextMark(chimeInterval, now);
}

bool TimeCalc::checkAlarmLine(const QString& line) const
{
    static const std::array<QLatin1String, 4> words{QLatin1String("once"), QLatin1String("twice"),
                                                    QLatin1String("thrice"), QLatin1String("repeat!")};
    const QStringView view(line);
    const qsizetype wordLength = line.size() - 9;
    bool accepted = wordLength > 0 && view[wordLength] == QLatin1Char(' ') && isClockTime(view.right(8));
    if (accepted) {
        const QStringView word = view.left(wordLength);
        accepted = std::any_of(words.begin(), words.end(), [word](QLatin1String w) { return word == w; });
    }
    return accepted;
}

bool TimeCalc::checkMessageLine(const QString& line) const
{
    const QStringView view(line);
    return line.size() >= 12 && view.right(12).left(4) == QLatin1String(" at ") && isClockTime(view.right(8)) &&
           !line.contains(QLatin1Char('\n')) && !line.contains(QLatin1Char('\r'));
}

int TimeCalc::wallpaperIntervalMinutes(const QString& item)
{
    static const std::array<std::pair<QLatin1String, int>, 8> items{{
        {QLatin1String("5 min"), 5},
        {QLatin1String("10 min"), 10},
        {QLatin1String("15 min"), 15},
        {QLatin1String("30 min"), 30},
        {QLatin1String("1 hr"), 60},
        {QLatin1String("2 hrs"), 120},
        {QLatin1String("3 hrs"), 180},
        {QLatin1String("4 hrs"), 240},
    }};
    for (const auto& [text, minutes] : items)
        if (item == text)
            return minutes;
    return -1;
}

int TimeCalc::chimeIntervalMinutes(const QString& item)
{
    static const std::array<int, 9> minutes{1, 2, 3, 4, 5, 10, 15, 30, 60};
    bool ok = false;
    const int value = item.toInt(&ok);
    if (!ok || std::find(minutes.begin(), minutes.end(), value) == minutes.end())
        return -1;
    return value;
}

void TimeCalc::scheduleWallpaper(bool changeTicked, const QString& intervalItem, bool& clockActive,
                                 qint16& wallpaperInterval, qint16& wallpaperMark, const QTime& now) const
{
    const int minutes = wallpaperIntervalMinutes(intervalItem);
    if (!changeTicked || minutes < 0) {
        wallpaperMark = -1;
        return;
    }
    wallpaperInterval = static_cast<qint16>(minutes);
    wallpaperMark = nextMark(minutes, now);
    clockActive = true;
}

void TimeCalc::nextWallpaperMark(qint16 wallpaperInterval, qint16& wallpaperMark, const QTime& now) const
{
    if (wallpaperInterval < 1) {
        wallpaperMark = -1;
        return;
    }
    wallpaperMark = nextMark(wallpaperInterval, now);
}

bool TimeCalc::scheduleChime(bool chimeTicked, const QString& chimeItem, qint16& chimeInterval, qint16& chimeMark,
                             const QTime& now) const
{
    if (!chimeTicked) {
        chimeMark = -1;
        return false;
    }
    const int minutes = chimeIntervalMinutes(chimeItem);
    if (minutes < 0)
        return false;
    chimeInterval = static_cast<qint16>(minutes);
    nextChimeMark(chimeInterval, chimeMark, now);
    return true;
}
