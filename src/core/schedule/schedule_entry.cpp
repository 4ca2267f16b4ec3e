// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/schedule/schedule_entry.h"

#include <array>

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <QTimeZone>

namespace {
const std::array<const char*, 7> kDayNames{"mon", "tue", "wed", "thu", "fri", "sat", "sun"};
// A week and a day: every weekday set comes within it, also when the first day's time has passed.
constexpr int kDaysAhead = 8;

QString translated(const char* text)
{
    return QCoreApplication::translate("Schedule", text);
}
} // namespace

bool ScheduleWhen::comesOn(const QDate& day) const
{
    return isOnce() ? day == date : (days & (1u << (day.dayOfWeek() - 1))) != 0;
}

std::optional<ScheduleWhen> ScheduleWhen::parse(const QString& text, const QDate& today, QString* reason)
{
    const QString word = text.trimmed().toLower();
    if (word == QLatin1String("tomorrow"))
        return once(today.addDays(1));
    if (word == QLatin1String("daily"))
        return onDays(kEveryDay);
    if (word == QLatin1String("weekdays"))
        return onDays(kWeekdays);
    if (word == QLatin1String("weekends"))
        return onDays(kWeekends);
    if (!word.isEmpty() && word.front().isDigit()) {
        const QDate date = QDate::fromString(word, QStringLiteral("yyyy-MM-dd"));
        if (date.isValid() && word.size() == 10)
            return once(date);
        if (reason)
            *reason = translated(QT_TRANSLATE_NOOP("Schedule", "'%1' is not a date (write YYYY-MM-DD)")).arg(text);
        return std::nullopt;
    }
    quint8 days = 0;
    for (const QString& name : word.split(QLatin1Char(','))) {
        const auto found = std::find(kDayNames.begin(), kDayNames.end(), name.trimmed());
        if (found == kDayNames.end()) {
            if (reason)
                *reason = translated(QT_TRANSLATE_NOOP("Schedule",
                                                       "'%1' is not a day (write tomorrow, a date YYYY-MM-DD, daily, "
                                                       "weekdays, weekends or days such as mon,wed,fri)"))
                              .arg(name.isEmpty() ? text : name);
            return std::nullopt;
        }
        days |= 1u << (found - kDayNames.begin());
    }
    return onDays(days);
}

QString ScheduleWhen::storedText() const
{
    if (isOnce())
        return date.toString(QStringLiteral("yyyy-MM-dd"));
    if (days == kEveryDay)
        return QStringLiteral("daily");
    if (days == kWeekdays)
        return QStringLiteral("weekdays");
    if (days == kWeekends)
        return QStringLiteral("weekends");
    QStringList names;
    for (int day = 0; day < 7; ++day)
        if (days & (1u << day))
            names.append(QLatin1String(kDayNames[day]));
    return names.join(QLatin1Char(','));
}

QString ScheduleWhen::shownText(const QDate& today, const QLocale& locale) const
{
    if (isOnce()) {
        if (date == today.addDays(1))
            return translated(QT_TRANSLATE_NOOP("Schedule", "Tomorrow"));
        if (date == today)
            return translated(QT_TRANSLATE_NOOP("Schedule", "Today"));
        // The English form is "Tue 8 Dec 2026"; another language writes the date its own way.
        const QString format = locale.language() == QLocale::C || locale.language() == QLocale::English
                                   ? QStringLiteral("ddd d MMM yyyy")
                                   : locale.dateFormat(QLocale::ShortFormat);
        return translated(QT_TRANSLATE_NOOP("Schedule", "Once on %1")).arg(locale.toString(date, format));
    }
    if (days == kEveryDay)
        return translated(QT_TRANSLATE_NOOP("Schedule", "Every day"));
    if (days == kWeekdays)
        return translated(QT_TRANSLATE_NOOP("Schedule", "Weekdays"));
    if (days == kWeekends)
        return translated(QT_TRANSLATE_NOOP("Schedule", "Weekends"));
    QStringList names;
    for (int day = 0; day < 7; ++day)
        if (days & (1u << day))
            names.append(locale.dayName(day + 1, QLocale::ShortFormat));
    return names.join(QStringLiteral(", "));
}

QDateTime ScheduleEntry::momentOn(const QDate& day) const
{
    const QDateTime moment(day, time);
    if (moment.isValid() && moment.time() == time && moment.date() == day)
        return moment;
    // The time falls in the gap summer time leaves: the first second after it, which is the transition itself.
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const QTimeZone::OffsetData change = zone.nextTransition(QDateTime(day, QTime(0, 0)).addSecs(-1));
    return change.atUtc.isValid() ? change.atUtc.toLocalTime() : moment;
}

std::optional<QDateTime> ScheduleEntry::nextOccurrence(const QDateTime& from) const
{
    if (!on)
        return std::nullopt;
    for (int ahead = 0; ahead < kDaysAhead; ++ahead) {
        const QDate day = when.isOnce() ? when.date : from.date().addDays(ahead);
        if (when.comesOn(day) && day != skipped) {
            const QDateTime moment = momentOn(day);
            if (moment >= from)
                return moment;
        }
        if (when.isOnce())
            break;
    }
    return std::nullopt;
}

std::optional<QDate> ScheduleEntry::nextDate(const QDateTime& from) const
{
    ScheduleEntry unskipped = *this;
    unskipped.skipped = {};
    unskipped.on = true;
    const std::optional<QDateTime> next = unskipped.nextOccurrence(from);
    return next ? std::optional<QDate>(next->date()) : std::nullopt;
}
