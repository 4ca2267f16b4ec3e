// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>

#include <QString>
#include <QtGlobal>

#include "core/io/settings_file.h"

// A flag as the program keeps it: a 16-bit integer, -1 for true and 0 for false.
using Flag = qint16;
inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;
inline constexpr Flag toFlag(bool b)
{
    return b ? kTrue : kFalse;
}

// Foreground codes of the dialogs that claim the front when they lose it.
inline constexpr qint32 kWhoMessageInput = 1;
inline constexpr qint32 kWhoFileChooser = 13;
inline constexpr qint32 kWhoOverwrite = 157;
inline constexpr qint32 kWarningRankFirst = 1000000;
inline constexpr qint32 kWarningRankEnd = 1999000;
inline constexpr qint32 kMessageWindowNumberFirst = 2000000;
inline constexpr qint32 kMessageWindowNumberEnd = 3000000;

// The program-wide state every window and logic unit reads and writes. One instance lives for the whole run
// and is handed to whoever needs it; the names are the ones the rest of the program uses.
struct SharedState
{
    // Paths
    QString appPath;         // program folder, always ending in "/"
    QString sharePath;       // folder of the delivered sounds and help page, ending in "/"; appPath when not installed
    QString alarmSoundPath;  // full path of the alarm wave
    bool songPicked = false; // a sound was picked in this run: it stays until the end, whatever slot 3 holds

    // Settings flags
    Flag soundOn = kFalse;
    Flag showSoundErrors = kFalse;
    Flag ignoreSeconds = kFalse;
    Flag useInternalSpeaker = kFalse;
    Flag speakerInsteadOfMidi = kFalse;
    qint16 fontChoice = 0;

    // Alarm engine
    /// Whether the clock tick does its alarm, chime and wallpaper work (-1) or is idle (0).
    Flag clockActive() const { return m_clockActive; }
    /// The one way to start (-1) or idle (0) the clock work: the clock timer hears of every call.
    void setClockActive(Flag value);
    QString nextAlarm;
    QString nextPlayTimes;
    Flag refreshNext = kFalse;
    Flag alarmsPending = kFalse;
    Flag alarmSetOpen = kFalse;
    Flag withMessage = kFalse;

    // Every-N-minutes chime
    Flag chimeOn = kFalse;
    qint16 chimeInterval = 0;
    qint16 chimeMark = 0;

    // Wallpaper change
    qint16 wallpaperMark = 0;
    qint16 wallpaperInterval = 0;
    Flag wallpaperCatchUp = kFalse;

    // Sound and tray
    Flag trayActive = kFalse;
    /// Whether the speaker sweep repeats once per clock tick (a repeating speaker alarm).
    Flag speakerRepeat() const { return m_speakerRepeat; }
    /// The one way to start or end the speaker repeat: the clock timer hears of every call.
    void setSpeakerRepeat(Flag value);

    // Window order and foreground
    qint32 frontHolder = 0;
    qint32 nextMessageWindowNumber = 0;
    qint32 nextWarningRank = 0;

    // The settings record every reader and writer of ixo.ini moves through.
    IniRecord settingsRecord;

    /// The start-up defaults, set before the settings file is read.
    void setStartupDefaults();

    /// Takes the number for a new alarm message window and advances the counter (wrapping to 2000000).
    qint32 takeMessageWindowNumber();
    /// Takes the rank for a new warning window and advances the counter (wrapping to 1000000).
    qint32 takeWarningRank();

    /// A delivered file (sound, help page) by its relative name: the user's own copy in the program folder when
    /// there is one, else the one the program brought.
    QString deliveredFile(const QString& name) const;

    /// The settings file of the program folder.
    SettingsFile settingsFile() const { return SettingsFile(appPath); }

    /// Told after every change of clockActive or speakerRepeat, so the clock timer runs exactly while the clock
    /// has something to do; the main window sets it.
    std::function<void()> clockWorkChanged;

private:
    void notifyClockWork();

    Flag m_clockActive = kFalse;
    Flag m_speakerRepeat = kFalse;
};

/// appPath for an executable in `folder`: the folder followed by exactly one "/" ("/" stays "/").
QString appPathFromFolder(const QString& folder);
