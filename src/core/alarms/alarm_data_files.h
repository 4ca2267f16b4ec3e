// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>
#include <QStringList>
#include <QTime>

#include "core/state/shared_state.h"

struct AlarmLists;
class Clock;
class Launcher;
class ListFileFlow;
class Warnings;

// Where the load reports lines it could not take: the error list window.
class LoadErrorList
{
public:
    virtual ~LoadErrorList() = default;
    /// Adds `line` to the list.
    virtual void addErrorLine(const QString& line) = 0;
    /// Shows the list (not modal).
    virtual void showErrorList() = 0;
    /// The system beep that announces the first error of a file.
    virtual void beep() = 0;
};

// What a load found wrong with its file, so that a later load of the same file says only what is new.
struct LoadFindings
{
    bool missing = false; // the file was not there
    QStringList badItems; // the items it could not take, in file order
};

// The alarm data files of the program folder: loading them into the day's lists (merging), saving the lists,
// opening a file in a text editor. A file holds the alarm lines, then the message lines, one per text line
// between double quotes. Keeps nothing between calls; the lists and the shared state are handed in.
class AlarmDataFiles final
{
public:
    struct Services
    {
        Warnings& warnings;
        LoadErrorList& errors;
        /// Saves and reads the files, asking before one is overwritten.
        ListFileFlow& files;
        Launcher& launcher;
        const Clock& clock;
        /// The user's preferred editor commands ($VISUAL, $EDITOR), possibly with options; empty for none.
        QString visualEditor;
        QString editor;
        /// The user's terminal emulator ($TERMINAL), possibly with options; empty for none.
        QString terminal;
    };

    AlarmDataFiles(SharedState& state, AlarmLists& lists, const Services& services);

    /// Merges the file `fileName` of the program folder into the lists. Lines of passed events and times
    /// already in the lists are dropped silently; unacceptable items go to the error list, and reading stops
    /// at the eighth. Events count as passed up to now's second, or before `dueFrom`'s second when it is valid (a
    /// new day's plan). With `reported` (what an earlier load of the file found) only what differs is said: a file
    /// still missing and an item still bad say nothing. Returns what this load found.
    LoadFindings load(const QString& fileName, const QTime& dueFrom = QTime(), const LoadFindings* reported = nullptr);
    /// Writes the lists to `fileName` of the program folder, or asks first when the file exists.
    void save(const QString& fileName);
    /// Opens `fileName` of the program folder in a text editor the user sees: the desktop's default application
    /// for plain text, else the first desktop text editor found, else $VISUAL, $EDITOR or Debian's "editor"
    /// inside a terminal emulator ($TERMINAL, else x-terminal-emulator). Warns when none starts. Nothing waits
    /// for the desktop's answer: the editor starts when it comes.
    void edit(const QString& fileName);

    /// Sets `accepted` to false when `line` is no acceptable alarm line; otherwise leaves it.
    static void filterAlarmLine(const QString& line, bool& accepted);
    /// Sets `passed` to true when the line's time (its last 8 characters) is not later than `now` "HH:MM:SS".
    static void timePassed(const QString& line, const QString& now, bool& passed);

    /// The file content for the lists: alarm lines first, then message lines.
    static QStringList fileLines(const AlarmLists& lists);

    /// The saver name the overwrite question knows the alarm lists by.
    static inline const QString kSaver = QStringLiteral("AlarmSet");
    /// Desktop text editors tried, in this order, when the desktop's default one does not start.
    static const QStringList& desktopEditors();
    /// How many unacceptable items make a file count as of the wrong format.
    static constexpr int kMaxErrors = 8;

private:
    SharedState& m_state;
    AlarmLists& m_lists;
    Services m_services;
};
