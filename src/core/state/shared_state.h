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
inline constexpr qint32 kWarnSeqFirst = 1000000;
inline constexpr qint32 kWarnSeqEnd = 1999000;
inline constexpr qint32 kMsgWinSeqFirst = 2000000;
inline constexpr qint32 kMsgWinSeqEnd = 3000000;

// The program-wide state every window and logic unit reads and writes. One instance lives for the whole run
// and is handed to whoever needs it; the names are the ones the rest of the program uses.
struct SharedState
{
    // Paths
    QString strAppPath;   // program folder, always ending in "/"
    QString strSharePath; // folder of the delivered sounds and help page, ending in "/"; strAppPath when not installed
    QString strSongPath;  // full path of the alarm wave
    bool songPicked = false; // a sound was picked in this run: it stays until the end, whatever slot 3 holds

    // Settings flags
    Flag bSoundOn = kFalse;
    Flag bErrMsgPop = kFalse;
    Flag bNoSecond = kFalse;
    Flag bUseInternalSpeaker = kFalse;
    Flag bISInsteadMidi = kFalse;
    qint16 iFontChoice = 0;

    // Alarm engine
    /// Whether the clock tick does its alarm, chime and wallpaper work (-1) or is idle (0).
    Flag bClockActive() const { return m_bClockActive; }
    /// The one way to start (-1) or idle (0) the clock work: the clock timer hears of every call.
    void setClockActive(Flag value);
    QString strNextAlarm;
    QString strPlayTimes;
    Flag bRefreshNext = kFalse;
    Flag bAlarmsPending = kFalse;
    Flag bAlarmSetOpen = kFalse;
    Flag bWithMessage = kFalse;

    // Every-N-minutes chime
    Flag bEMPlayOn = kFalse;
    qint16 iEMInterval = 0;
    qint16 iEMNext = 0;

    // Wallpaper change
    qint16 iWPNext = 0;
    qint16 iWPInterval = 0;
    Flag bWPCatchUp = kFalse;

    // Sound and tray
    Flag bTrayActive = kFalse;
    /// Whether the speaker sweep repeats once per clock tick (a repeating speaker alarm).
    Flag bISRepeat() const { return m_bISRepeat; }
    /// The one way to start or end the speaker repeat: the clock timer hears of every call.
    void setISRepeat(Flag value);

    // Window order and foreground
    qint32 lForegroundWho = 0;
    qint32 lMsgWinSeq = 0;
    qint32 lWarnSeq = 0;

    // The settings record every reader and writer of ixo.ini moves through.
    IniRecord recIni;

    /// The start-up defaults, set before the settings file is read.
    void setStartupDefaults();

    /// Takes the number for a new alarm message window and advances the counter (wrapping to 2000000).
    qint32 takeMsgWinNumber();
    /// Takes the rank for a new warning window and advances the counter (wrapping to 1000000).
    qint32 takeWarnRank();

    /// A delivered file (sound, help page) by its relative name: the user's own copy in the program folder when
    /// there is one, else the one the program brought.
    QString deliveredFile(const QString& name) const;

    /// The settings file of the program folder.
    SettingsFile settingsFile() const { return SettingsFile(strAppPath); }

    /// Told after every change of bClockActive or bISRepeat, so the clock timer runs exactly while the clock
    /// has something to do; the main window sets it.
    std::function<void()> clockWorkChanged;

private:
    void notifyClockWork();

    Flag m_bClockActive = kFalse;
    Flag m_bISRepeat = kFalse;
};

/// strAppPath for an executable in `folder`: the folder followed by exactly one "/" ("/" stays "/").
QString appPathFromFolder(const QString& folder);
