// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <optional>
#include <utility>

#include <QString>
#include <QtGlobal>

#include "core/io/settings_file.h"

struct SharedState;

// The Settings window's boxes as the settings file keeps them: the two sound boxes as states 0/1 in the
// integers of "[Setting]", the four others as six-character tokens "ALAEOn"/"ALAEOf", "DCWSOn"/"DCWSOf",
// "UISPOn"/"UISPOf", "ISOMOn"/"ISOMOf" in a row.
struct SettingChecks
{
    qint16 soundOn = 1;
    qint16 showSoundErrors = 1;
    bool autoLoad = false;
    bool ignoreSeconds = false;
    bool useInternalSpeaker = false;
    bool speakerInsteadOfMidi = false;

    bool operator==(const SettingChecks&) const = default;
};

// What the start-up load reads from ixo.ini: whether to load "my.dat", whether to start the wallpaper
// changer, and the font choice. Section names are not checked here; only the values count.
struct StartupSettings
{
    bool fileExists = false;
    bool autoLoadAlarms = false; // slot 4 value begins with "ALAEOn"
    bool startWallpaper = false; // slot 5 value, untrimmed, begins with "Check"
    qint16 fontChoice = 0;       // slot 8, as SettingsStore::fontChoice() reads it
};

// The settings of ixo.ini that the Settings window and the start-up load keep: the boxes of "[Setting]"
// (slot 4), the window font of "[AllFont]" (slot 8) and the wallpaper start of slot 5. Every reader and writer
// of those slots goes through here. Font choices: 1 "Use Arial font", 2 "Enlarge" (Times New Roman), 3 "Normal".
class SettingsStore
{
public:
    explicit SettingsStore(SettingsFile file) : m_file(std::move(file)) {}

    const SettingsFile& file() const { return m_file; }

    /// The font choice of slot 8: 1 when its trimmed value begins with "Arial", 2 with "TimesNewRoman", else 3
    /// (no file or no slot 8 included). The section name is not checked.
    qint16 fontChoice() const;
    /// The Settings window's boxes of slot 4, when it is a "[Setting]" record; each token is tested at its place.
    std::optional<SettingChecks> settingChecks() const;
    StartupSettings startup() const;

    /// The Settings window closes: slot 4 gets "[Setting]" with the boxes, slot 8 "[AllFont]" with "Arial",
    /// "TimesNewRoman" or "Normal" for `fontChoice` and the integers of slot 4. Both move through the shared
    /// record `settingsRecord` and are written in one replacement of the file. Returns false, with the reason in
    /// `reason`, when it could not be written.
    bool writeSettings(IniRecord& settingsRecord, const SettingChecks& checks, qint16 fontChoice,
                       QString* reason = nullptr) const;

    /// The font option a choice selects: 1 and 2 as they are, 3 for anything else (0, no choice yet, included).
    static qint16 fontOption(qint16 fontChoice);

private:
    SettingsFile m_file;
};

/// A stored state of "Sound on" or "Show error message...": 0 clears the box, 1 checks it, any other value leaves
/// it as it is (nothing).
std::optional<bool> storedCheck(qint16 state);
/// The flags of those two boxes set from stored states, by the rule of storedCheck.
void applySoundChecks(SharedState& state, qint16 soundOn, qint16 showSoundErrors);

/// What the Settings window's load does to the shared flags, without the window: with a "[Setting]" record in
/// slot 4 of ixo.ini, "Sound on" and "Show error message..." (states 0/1; any other value leaves the flag) and the
/// "Don't compare with second", internal speaker and MIDI tokens set their flags. Without one nothing changes.
void applyStoredSettingChecks(SharedState& state);
