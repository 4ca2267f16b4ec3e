// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/settings/settings_store.h"

#include <array>

#include "core/state/shared_state.h"

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

// Slot 8's value of each font option; readers test the first two as prefixes, anything else is "Normal".
constexpr std::array<QLatin1String, 4> kFontValues{QLatin1String(), QLatin1String("Arial"),
                                                   QLatin1String("TimesNewRoman"), QLatin1String("Normal")};
} // namespace

qint16 SettingsStore::fontOption(qint16 iFontChoice)
{
    return iFontChoice == 1 || iFontChoice == 2 ? iFontChoice : qint16(3);
}

qint16 SettingsStore::fontChoice() const
{
    const std::optional<IniRecord> slot8 = m_file.readSlot(IniSlot::AllFont);
    const QString value = slot8 ? slot8->value() : QString();
    for (qint16 choice = 1; choice <= 2; ++choice)
        if (value.startsWith(kFontValues[std::size_t(choice)]))
            return choice;
    return 3;
}

std::optional<SettingChecks> SettingsStore::settingChecks() const
{
    const std::optional<IniRecord> slot4 = m_file.readSlot(IniSlot::Setting);
    if (!slot4 || slot4->section() != kSectionSetting)
        return std::nullopt;
    SettingChecks checks{slot4->iData1, slot4->iData2};
    auto on = [&](std::size_t i) {
        return QStringView(slot4->sData).mid(qsizetype(i) * kTokenWidth, kTokenWidth) == kTokens[i].on;
    };
    checks.chkAutoLoad = on(0);
    checks.chkNoSec = on(1);
    checks.chkInternalSpeaker = on(2);
    checks.chkISInsteadMidi = on(3);
    return checks;
}

StartupSettings SettingsStore::startup() const
{
    StartupSettings settings;
    if (!m_file.exists())
        return settings;
    settings.fileExists = true;
    if (const auto slot4 = m_file.readSlot(IniSlot::Setting))
        settings.autoLoadAlarms = slot4->value().startsWith(kTokens[0].on);
    if (const auto slot5 = m_file.readSlot(IniSlot::Wallpaper))
        settings.startWallpaper = slot5->sData.startsWith(QStringLiteral("Check"));
    settings.iFontChoice = fontChoice();
    return settings;
}

bool SettingsStore::writeSettings(IniRecord& recIni, const SettingChecks& checks, qint16 iFontChoice,
                                  QString* reason) const
{
    recIni.sSection = kSectionSetting;
    recIni.iData1 = checks.chkSoundOn;
    recIni.iData2 = checks.chkErrMsgPop;
    recIni.sData.clear();
    const std::array<bool, 4> states{checks.chkAutoLoad, checks.chkNoSec, checks.chkInternalSpeaker,
                                     checks.chkISInsteadMidi};
    for (std::size_t i = 0; i < states.size(); ++i)
        recIni.sData += states[i] ? kTokens[i].on : kTokens[i].off;
    const IniRecord setting = recIni;
    recIni.sSection = kSectionAllFont;
    recIni.sData = kFontValues[std::size_t(fontOption(iFontChoice))];
    return m_file.writeSlots({{IniSlot::Setting, setting}, {IniSlot::AllFont, recIni}}, reason);
}

std::optional<bool> storedCheck(qint16 state)
{
    if (state == 0 || state == 1)
        return state == 1;
    return std::nullopt;
}

void applySoundChecks(SharedState& state, qint16 chkSoundOn, qint16 chkErrMsgPop)
{
    if (const std::optional<bool> on = storedCheck(chkSoundOn))
        state.bSoundOn = toFlag(*on);
    if (const std::optional<bool> on = storedCheck(chkErrMsgPop))
        state.bErrMsgPop = toFlag(*on);
}

void applyStoredSettingChecks(SharedState& state)
{
    const std::optional<SettingChecks> checks = SettingsStore(state.settingsFile()).settingChecks();
    if (!checks)
        return;
    applySoundChecks(state, checks->chkSoundOn, checks->chkErrMsgPop);
    state.bNoSecond = toFlag(checks->chkNoSec);
    state.bUseInternalSpeaker = toFlag(checks->chkInternalSpeaker);
    state.bISInsteadMidi = toFlag(checks->chkISInsteadMidi);
}
