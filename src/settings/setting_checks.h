#pragma once

#include <QString>
#include <QtGlobal>

struct IniRecord;

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
