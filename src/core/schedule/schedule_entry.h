// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <optional>

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

class QLocale;

// When a scheduled alarm comes: once on a date, or on a set of weekdays (every day, weekdays, weekends...).
struct ScheduleWhen
{
    QDate date;      // once on this date; null: on `days`
    quint8 days = 0; // bit (dayOfWeek - 1) is set for each day it comes: Monday bit 0 ... Sunday bit 6
    bool operator==(const ScheduleWhen&) const = default;

    static constexpr quint8 kEveryDay = 0x7f;
    static constexpr quint8 kWeekdays = 0x1f;
    static constexpr quint8 kWeekends = 0x60;

    static ScheduleWhen once(const QDate& date) { return {date, 0}; }
    static ScheduleWhen onDays(quint8 days) { return {{}, days}; }
    bool isOnce() const { return date.isValid(); }
    bool comesOn(const QDate& day) const;

    /// As the command line and the schedule file write it: "tomorrow" (the day after `today`), "YYYY-MM-DD",
    /// "daily", "weekdays", "weekends", or days "mon,tue,wed,thu,fri,sat,sun" in any subset. Nothing for any other
    /// text, with the reason in `reason`.
    static std::optional<ScheduleWhen> parse(const QString& text, const QDate& today, QString* reason = nullptr);
    /// The stored form ("2026-12-09", "daily", "weekdays", "weekends", "mon,wed,fri"); parse() reads it back.
    QString storedText() const;
    /// As the Schedule window shows it: "Tomorrow", "Once on Tue 8 Dec 2026", "Every day", "Weekdays", "Weekends",
    /// "Mon, Wed, Fri".
    QString shownText(const QDate& today, const QLocale& locale) const;
};

// One entry of the schedule: a time of day, its play-times word and message, on or off, when it comes, and the one
// occurrence skipped ("Skip next"), if any.
struct ScheduleEntry
{
    QTime time;
    QString playWord = QStringLiteral("once");
    QString message;
    bool on = true;
    ScheduleWhen when;
    QDate skipped; // the date whose occurrence does not ring
    bool operator==(const ScheduleEntry&) const = default;

    /// The moment the entry comes on `day` in local wall time, whether or not it comes that day: its time, or the
    /// first second after the gap when summer time skips that time; a time that comes twice counts once.
    QDateTime momentOn(const QDate& day) const;
    /// The first occurrence at or after `from`: on, not skipped, within the next eight days (a once entry: on its
    /// date). Nothing when none comes.
    std::optional<QDateTime> nextOccurrence(const QDateTime& from) const;
    /// The first date from `from` on whose occurrence (at `fromTime` or later that first day) is still ahead, with
    /// the skip ignored; for "Skip next".
    std::optional<QDate> nextDate(const QDateTime& from) const;
};
