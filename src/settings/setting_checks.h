#pragma once

#include <QString>
#include <QtGlobal>

struct IniRecord;
struct Module1;

// The Settings window's boxes as the settings file keeps them: the two sound boxes as states 0/1 in the
// integers of "[Setting]", the four others as six-character tokens "ALAEOn"/"ALAEOf", "DCWSOn"/"DCWSOf",
// "UISPOn"/"UISPOf", "ISOMOn"/"ISOMOf" in a row.
struct SettingChecks
{
    qint16 chkSoundOn = 1;
    qint16 chkErrMsgPop = 1;
    bool chkAutoLoad = false;
    bool chkNoSec = false;
    bool chkInternalSpeaker = false;
    bool chkISInsteadMidi = false;

    /// The four token states of a stored value, each tested at its position against its On token.
    static SettingChecks fromTokens(const QString& sData);
    /// The 24 characters of the four tokens.
    QString tokens() const;

    bool operator==(const SettingChecks&) const = default;
};

/// Fills `rec` for the "[Setting]" slot; the other fields of the record are overwritten too.
void fillSettingRecord(IniRecord& rec, const SettingChecks& checks);
/// Fills the section and value of `rec` for the "[AllFont]" slot: "Arial" for choice 1, "TimesNewRoman" for 2,
/// "Normal" otherwise. The integers keep what the record held.
void fillFontRecord(IniRecord& rec, qint16 iFontChoice);

/// What the Settings window's load does to the shared flags, without the window: with a "[Setting]" record in
/// slot 4 of ixo.ini, "Sound on" and "Show error message..." (states 0/1; any other value leaves the flag) and the
/// "Don't compare with second", internal speaker and MIDI tokens set their flags. Without one nothing changes.
void applyStoredSettingChecks(Module1& state);
