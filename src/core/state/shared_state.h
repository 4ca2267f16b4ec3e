// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>

#include <QString>
#include <QtGlobal>

#include "core/io/settings_file.h"

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
    bool soundOn = false;
    bool showSoundErrors = false;
    bool ignoreSeconds = false;
    bool useInternalSpeaker = false;
    bool speakerInsteadOfMidi = false;
    qint16 fontChoice = 0;

    // Alarm engine
    /// Whether the clock tick does its alarm, chime and wallpaper work or is idle.
    bool clockActive() const { return m_clockActive; }
    /// The one way to start or idle the clock work: the clock timer hears of every call.
    void setClockActive(bool value);
    QString nextAlarm;
    QString nextPlayTimes;
    bool refreshNext = false;
    bool alarmsPending = false;
    bool alarmSetOpen = false;
    bool withMessage = false;

    // Every-N-minutes chime
    bool chimeOn = false;
    qint16 chimeInterval = 0;
    qint16 chimeMark = 0;

    // Wallpaper change
    qint16 wallpaperMark = 0;
    qint16 wallpaperInterval = 0;
    bool wallpaperCatchUp = false;

    // Sound and tray
    bool trayActive = false;
    /// Whether the speaker sweep repeats once per clock tick (a repeating speaker alarm).
    bool speakerRepeat() const { return m_speakerRepeat; }
    /// The one way to start or end the speaker repeat: the clock timer hears of every call.
    void setSpeakerRepeat(bool value);

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

    bool m_clockActive = false;
    bool m_speakerRepeat = false;
};

/// appPath for an executable in `folder`: the folder followed by exactly one "/" ("/" stays "/").
QString appPathFromFolder(const QString& folder);
