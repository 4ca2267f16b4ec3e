// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>

// The two kinds of list line. An alarm line is a play-times word, a space and "HH:MM:SS" (24-hour):
// "twice 19:30:00". A message line is the message text, " at " and the time of its alarm:
// "Call the garage at 19:30:00". Readers take every field by position.
namespace AlarmLines {

/// The last 8 characters: the time of an alarm or message line (the whole text when shorter).
QString lineTime(const QString& line);
/// An alarm line's play-times word: everything but the last 9 characters.
QString playWord(const QString& alarmLine);
/// The alarm line for a play-times word and a time.
QString alarmLine(const QString& word, const QString& time);
/// The message line for a message text and a time.
QString messageLine(const QString& text, const QString& time);

/// True when the first three characters of the last 12 (of the whole line when shorter) are " at".
bool isMessageLine(const QString& line);
/// The message text: everything before the last 12 characters.
QString messageText(const QString& messageLine);

/// The View Message marker of an alarm line: "_" once, "=" twice, "#" thrice, "~" repeat, "?" anything else.
QString marker(const QString& alarmLine);
/// "HH:MM:SS" (24-hour) shown as "hh:mm:ss AM" / "hh:mm:ss PM"; a text that is no time comes back unchanged.
QString twelveHourTime(const QString& time);
/// The View Message form of an event: CR LF, marker, 12-hour time and, with a message, "  /  " and its text.
QString shownForm(const QString& alarmLine, const QString* messageLine);

/// Compares two time texts field by field as two-character texts (hours 1-2, minutes 4-5, the last two
/// characters as seconds). Negative, zero or positive as `a` is earlier, equal or later.
int compareTimes(const QString& a, const QString& b);

} // namespace AlarmLines
