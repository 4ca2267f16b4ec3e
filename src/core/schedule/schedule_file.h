// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "core/schedule/schedule_entry.h"

// The schedule file "schedule.json" beside ixo.ini: JSON with a version,
//   {"version": 1, "entries": [{"time": "07:00:00", "play": "once", "message": "", "on": true,
//                               "when": "weekdays", "skip": "2026-12-09"}]}
// "when" is written as the command line's --on takes it ("daily", "weekdays", "weekends", "mon,wed,fri" or a date
// "YYYY-MM-DD"); "skip", when present, is the date whose occurrence is skipped.
namespace ScheduleFile {

inline constexpr int kVersion = 1;
inline const QString kFileName = QStringLiteral("schedule.json");

struct Read
{
    QList<ScheduleEntry> entries; // the good entries, in the file's order
    QStringList badEntries;       // "Entry N: why" for each entry left out
    QString refusal;              // the file as a whole cannot be read (not JSON, another version): nothing is kept
                                  // and the file must not be overwritten
};

/// The entries `bytes` hold; empty bytes are an empty schedule.
Read parse(const QByteArray& bytes);
/// The file's bytes for `entries`.
QByteArray compose(const QList<ScheduleEntry>& entries);

} // namespace ScheduleFile
