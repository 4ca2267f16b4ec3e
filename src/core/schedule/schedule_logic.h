// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>
#include <optional>

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include "core/schedule/schedule_entry.h"

struct SharedState;
struct AlarmLists;
class Warnings;
class Clock;

// The schedule: alarms beyond today (once on a date, on chosen weekdays), kept in "schedule.json" beside ixo.ini.
// Its occurrences reach the clock through the day's list: when a day begins, today's still ahead go in as the Alarm
// Set window's Add puts an event in, and an entry added, changed or switched on goes in at once. Each change is
// saved at once; removing, changing or switching off an entry takes its occurrence out of the day's list when it
// is still there as it went in.
class ScheduleLogic final
{
public:
    // What the rest of the program does for the schedule.
    struct Hooks
    {
        std::function<void()> readyLists;                     // the first touch of the day's lists
        std::function<void(const QStringList&)> reportErrors; // lines for the error list window
        std::function<void()> changed; // the entries changed or a day began: the window shows them anew
    };

    ScheduleLogic(SharedState& state, AlarmLists& lists, Warnings& warnings, const Clock& clock);

    /// Reads "schedule.json" in `folder` (ending in "/"). A missing file is an empty schedule; bad entries are
    /// reported and left out; a file that cannot be read at all is reported and kept as it is: the schedule then
    /// refuses changes, so that the file is not overwritten.
    void load(const QString& folder);
    QString filePath() const { return m_path; }
    const QList<ScheduleEntry>& entries() const { return m_entries; }
    /// The entry's next occurrence from now.
    std::optional<QDateTime> nextOccurrence(qsizetype index) const;
    /// The earliest next occurrence of all the entries.
    std::optional<QDateTime> firstOccurrence() const;

    // The changes: each returns the refusal, empty when done. The change is saved at once; when the file cannot
    // be written, a warning says so and the change stays for this run.
    QString add(ScheduleEntry entry);
    QString replace(qsizetype index, ScheduleEntry entry);
    QString remove(qsizetype index);
    QString setOn(qsizetype index, bool on);
    /// Skips the entry's next occurrence; when one is skipped already, it rings again.
    QString skipNext(qsizetype index);

    /// A day begins (at the start too): one-offs whose day has passed are switched off, a skipped day that has
    /// passed is forgotten, and today's occurrences from `from` on go into the day's list.
    void beginDay(const QDate& date, const QTime& from);

    /// The reasons a change is refused.
    static QString passedText(const ScheduleEntry& entry);
    static inline const QString kNotLoaded =
        QStringLiteral(QT_TRANSLATE_NOOP("Messages", "The schedule has not been read yet"));
    static inline const QString kNoSuchEntry =
        QStringLiteral(QT_TRANSLATE_NOOP("Messages", "There is no schedule entry %1"));
    static inline const QString kUnreadable = QStringLiteral(
        QT_TRANSLATE_NOOP("Messages", "The schedule file %1 cannot be read (%2); the schedule cannot be changed"));
    static inline const QString kNotSaved =
        QStringLiteral(QT_TRANSLATE_NOOP("Messages", "The schedule could not be saved to %1: %2"));
    static inline const QString kNoFreeSecond =
        QStringLiteral(QT_TRANSLATE_NOOP("Messages", "No free second is left today for the alarm at %1"));
    static constexpr qsizetype kMaxEntries = 1000;
    static inline const QString kFull =
        QStringLiteral(QT_TRANSLATE_NOOP("Messages", "The schedule is full (1000 entries)"));

private:
    // What went into the day's list for an entry, to take it out again while it is there unchanged.
    struct InToday
    {
        QString alarmLine;
        QString messageLine;
    };
    QString check(qsizetype index) const;
    /// passedText() for a once entry that is on and whose moment has passed; else empty.
    QString passedRefusal(const ScheduleEntry& entry) const;
    /// Entry `index` becomes `entry`: its line in today's list follows, the file is saved, the change told.
    void put(qsizetype index, const ScheduleEntry& entry);
    void save();
    void bringIn(qsizetype index, const QDate& date, const QTime& from);
    void takeOut(qsizetype index);
    QDateTime now() const;

    SharedState& m_state;
    AlarmLists& m_lists;
    Warnings& m_warnings;
    const Clock& m_clock;
    QString m_path;
    QString m_refusal; // why the file could not be read; changes are refused while it is set
    QList<ScheduleEntry> m_entries;
    QList<std::optional<InToday>> m_inToday; // beside m_entries

public:
    Hooks hooks;
};
