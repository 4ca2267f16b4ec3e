// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>
#include <QTime>
#include <QtGlobal>

#include "core/state/shared_state.h"

// The chime and wallpaper marks and the checks of lines read from alarm data files. Stateless: every call
// works from its arguments alone. A mark is the minute of the hour (0-59) at which something is due next or,
// for intervals of an hour and more, the hour of the day (0-23); -1 means none. Marks are aligned to
// multiples of the interval (every 15 minutes: :00 :15 :30 :45; every 2 hours: 0, 2, 4 ... 22), always lie
// after `now` and never more than one interval ahead; 0 stands for the coming full hour (midnight).
class TimeCalc final
{
public:
    /// The next chime mark after `now`: a minute for intervals below 60, an hour for exactly 60. An interval
    /// outside 1-60 leaves no mark (-1).
    void nextChimeMark(qint16 chimeInterval, qint16& chimeMark, const QTime& now) const;

    /// Whether `line` is exactly "once|twice|thrice|repeat!", a space and "HH:MM:SS" with hours 00-23 and minutes
    /// and seconds 00-59.
    bool checkAlarmLine(const QString& line) const;
    /// Whether `line` is a message text (no line breaks), " at " and such a time.
    bool checkMessageLine(const QString& line) const;

    /// The wallpaper change set-up. With the box ticked and an interval item chosen ("5 min" ... "4 hrs"):
    /// `wallpaperInterval` = its minutes, `wallpaperMark` = the first mark after `now`, `clockActive` = true. With the
    /// box cleared, or no usable item: `wallpaperMark` = -1 and the rest stays.
    void scheduleWallpaper(bool changeTicked, const QString& intervalItem, bool& clockActive, qint16& wallpaperInterval,
                           qint16& wallpaperMark, const QTime& now) const;

    /// The next wallpaper mark after `now`: a minute for intervals below 60, an hour of the day for 60 and more.
    void nextWallpaperMark(qint16 wallpaperInterval, qint16& wallpaperMark, const QTime& now) const;

    /// The chime set-up. With the box ticked and an interval item chosen ("1" ... "60"): `chimeInterval` = its
    /// minutes, `chimeMark` = the first mark after `now`, and true (the clock must run). Otherwise false, and with
    /// the box cleared `chimeMark` = -1.
    bool scheduleChime(bool chimeTicked, const QString& chimeItem, qint16& chimeInterval, qint16& chimeMark,
                       const QTime& now) const;

    /// Minutes of a wallpaper interval item ("5 min" -> 5, "2 hrs" -> 120), or -1 for any other text.
    static int wallpaperIntervalMinutes(const QString& item);
    /// Minutes of a chime interval item ("1" ... "60"), or -1 for any other text.
    static int chimeIntervalMinutes(const QString& item);
    /// True for "HH:MM:SS" with hours 00-23 and minutes and seconds 00-59, two digits each.
    static bool isClockTime(QStringView time);
};
