// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <optional>
#include <utility>

#include <QDateTime>
#include <QPoint>
#include <QString>
#include <QStringList>

struct SharedState;
class AlarmDataList;
class MessageList;

// The steps of the Alarm Set window that do not need a display: the View Message text, the alarm sounds of the
// program folder, and the window's records in ixo.ini (place, sound, font choice).
namespace AlarmSet {

/// The list with messages: for every alarm line, CR LF, its marker and 12-hour time and, when a message line has
/// its time, two spaces, "/", two spaces and the first such message. Empty for an empty list.
QString viewMessageText(const AlarmDataList& alarms, const MessageList& messages);

/// The alarm sounds of `folder`: the names of its files ending in ".wav" (in any case) without that ending,
/// sorted by name ignoring case.
QStringList waveNames(const QString& folder);
/// The file of the sound `name` in `folder`: the file named `name` + ".wav" ignoring the case of the ending and
/// of the name when there is one, else `folder` + `name` + ".wav".
QString wavePath(const QString& folder, const QString& name);
/// The alarm sounds to choose from: those of the program folder and, for an installed Ixo, the delivered ones
/// the user has no sound of the same name for; sorted as waveNames.
QStringList songNames(const SharedState& state);
/// The file of the sound `name`: the program folder's, else the delivered one, else the program folder's path.
QString songPath(const SharedState& state, const QString& name);

/// A sound was picked: every alarm plays it from now on (alarmSoundPath) and slot 3 remembers it. Returns the
/// warning to show when slot 3 cannot hold the name or ixo.ini could not be written (the sound is in use all the
/// same), else an empty text.
QString chooseSong(SharedState& state, const QString& item);

/// What the window's load takes from ixo.ini besides the sound, which it puts into alarmSoundPath unless a sound was
/// picked in this run.
struct StoredSettings
{
    std::optional<QPoint> position;                       // slot 1, when it is "[TimeInputLoc]"
    std::optional<std::pair<qint16, qint16>> soundChecks; // slot 4 "Sound on" and "Show error message..."
};
/// The settings step of the window's load: slots 1, 3 and 4 through the shared record. Nothing when the file is
/// missing.
StoredSettings loadStoredSettings(SharedState& state);
/// Leaving the window with Exit: its place goes to slot 1, and alarmSetOpen tells whether events are left.
/// Returns false, with the reason in `reason`, when ixo.ini could not be written.
bool storePlaceOnExit(SharedState& state, const AlarmDataList& alarms, QPoint topLeft, QString* reason = nullptr);

/// The window's title: "Tindalo Alarm Clock..." followed by the date and the 12-hour time.
QString title(const QDateTime& now);
/// "AM" before noon, "PM" from noon on.
QString amPmAt(const QDateTime& now);

inline const QString kCaption = QStringLiteral(QT_TRANSLATE_NOOP("Messages", "Tindalo Alarm Clock..."));

} // namespace AlarmSet
