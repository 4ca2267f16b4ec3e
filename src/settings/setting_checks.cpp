#include "settings/setting_checks.h"

#include <array>

#include "app/shared_state.h"
#include "settings/settings_file.h"

namespace {
struct Token
{
    QLatin1String on;
    QLatin1String off;
};
constexpr std::array<Token, 4> kTokens{{{QLatin1String("ALAEOn"), QLatin1String("ALAEOf")},
                                        {QLatin1String("DCWSOn"), QLatin1String("DCWSOf")},
                                        {QLatin1String("UISPOn"), QLatin1String("UISPOf")},
                                        {QLatin1String("ISOMOn"), QLatin1String("ISOMOf")}}};
constexpr qsizetype kTokenWidth = 6;
} // namespace

SettingChecks SettingChecks::fromTokens(const QString& sData)
{
    auto on = [&](std::size_t i) {
        return QStringView(sData).mid(qsizetype(i) * kTokenWidth, kTokenWidth) == kTokens[i].on;
    };
    SettingChecks checks;
    checks.chkAutoLoad = on(0);
    checks.chkNoSec = on(1);
    checks.chkInternalSpeaker = on(2);
    checks.chkISInsteadMidi = on(3);
    return checks;
}

QString SettingChecks::tokens() const
{
    const std::array<bool, 4> states{chkAutoLoad, chkNoSec, chkInternalSpeaker, chkISInsteadMidi};
    QString text;
    for (std::size_t i = 0; i < states.size(); ++i)
        text += states[i] ? kTokens[i].on : kTokens[i].off;
    return text;
}

void fillSettingRecord(IniRecord& rec, const SettingChecks& checks)
{
    rec.sSection = kSectionSetting;
    rec.iData1 = checks.chkSoundOn;
    rec.iData2 = checks.chkErrMsgPop;
    rec.sData = checks.tokens();
}

void fillFontRecord(IniRecord& rec, qint16 iFontChoice)
{
    rec.sSection = kSectionAllFont;
    if (iFontChoice == 1)
        rec.sData = QStringLiteral("Arial");
    else if (iFontChoice == 2)
        rec.sData = QStringLiteral("TimesNewRoman");
    else
        rec.sData = QStringLiteral("Normal");
}

void applyStoredSettingChecks(Module1& state)
{
    const SettingsFile file = state.settingsFile();
    if (!file.exists())
        return;
    const std::optional<IniRecord> slot4 = file.readSlot(IniSlot::Setting);
    if (!slot4 || slot4->section() != kSectionSetting)
        return;
    if (slot4->iData1 == 0 || slot4->iData1 == 1)
        state.bSoundOn = toFlag(slot4->iData1 == 1);
    if (slot4->iData2 == 0 || slot4->iData2 == 1)
        state.bErrMsgPop = toFlag(slot4->iData2 == 1);
    const SettingChecks tokens = SettingChecks::fromTokens(slot4->sData);
    state.bNoSecond = toFlag(tokens.chkNoSec);
    state.bUseInternalSpeaker = toFlag(tokens.chkInternalSpeaker);
    state.bISInsteadMidi = toFlag(tokens.chkISInsteadMidi);
}
