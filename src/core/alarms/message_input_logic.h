// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <optional>

#include <QPoint>
#include <QString>

struct SharedState;
struct AlarmLists;
struct IniRecord;

// What the message input window does with the lists and ixo.ini, apart from the window itself. It keeps nothing
// between calls.
namespace MessageInput {

/// The longest message the box takes.
inline constexpr int kMaxLength = 626;
/// "-" works above this size, "+" below the other.
inline constexpr double kSmallestFont = 6;
inline constexpr double kLargestFont = 16.8;
/// Stored sizes outside this range are not taken.
inline constexpr int kLargestStoredFont = 72;

inline const QString kNothingToSave =
    QStringLiteral(QT_TRANSLATE_NOOP("Messages", "No message input or Play list time was executed"));
inline const QString kMessagesFull =
    QStringLiteral(QT_TRANSLATE_NOOP("Messages", "The message list is full (32767 messages)"));

/// The message font size a slot-7 record holds: its section is "[FontSize]" and the size 1 to 72.
std::optional<int> storedFontSize(const IniRecord& record);

/// What the window's load finds.
struct Loaded
{
    std::optional<int> fontSize;      // slot 7, when it is "[FontSize]"
    QString message;                  // the selected alarm's message, now out of messages
    std::optional<QString> takenLine; // the message line taken out of messages, as it stood
    QString alarmLine;                // the alarm line the window was opened for, whatever is selected later
    std::optional<QPoint> position;   // slot 2, when its section is exactly "[MessaegInputLoc]"
};
/// The load: the font size from slot 7; the first message with the time of the selected alarm line is taken out
/// of messages for editing; the window's place from slot 2.
Loaded load(SharedState& state, AlarmLists& lists);

/// Any text made a message the list files keep as it is: one line of printable text. A double quote (which would
/// end the item in the file) becomes an apostrophe, as the box turns it; a control character, a line or paragraph
/// separator and a lone surrogate become a space; what goes beyond kMaxLength is cut off (a pair kept whole).
/// Every way a message comes in (the box, the bus, the command line, Snooze) stores it through here.
QString storable(const QString& text);

enum class SaveResult { Added, NothingToSave, ListFull };
/// "Save": slot 7 gets `fontSize` rounded (halves to even) first, then the message line `text` " at " time of
/// `alarmLine` (the line the window was opened for) goes to the end of messages, when that alarm is still listed
/// and `text` is not empty, made storable. `settingsWarning` gets the warning to show when ixo.ini could not be
/// written, else it is left empty.
SaveResult save(SharedState& state, AlarmLists& lists, const QString& alarmLine, double fontSize, const QString& text,
                QString* settingsWarning = nullptr);

/// The window closes without Save (Abandon, its close box): the message line the load took out goes back to the
/// end of messages unchanged while its alarm line is still in alarms, so abandoning an edit never deletes the
/// message of a pending alarm. Emptying the box and saving is what removes a message.
void abandon(AlarmLists& lists, const Loaded& loaded);

/// The window closes: its place goes to slot 2. False, with the reason in `reason`, when ixo.ini could not be
/// written.
bool storePosition(SharedState& state, QPoint topLeft, QString* reason = nullptr);

/// The size after "-", or nothing (beep) at 6 points or less.
std::optional<double> smallerFont(double size);
/// The size after "+", or nothing (beep) at 16.8 points or more.
std::optional<double> largerFont(double size);

} // namespace MessageInput
