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

qint16 SettingsStore::fontOption(qint16 fontChoice)
{
    return fontChoice == 1 || fontChoice == 2 ? fontChoice : qint16(3);
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
    SettingChecks checks{slot4->data1, slot4->data2};
    auto on = [&](std::size_t i) {
        return QStringView(slot4->data).mid(qsizetype(i) * kTokenWidth, kTokenWidth) == kTokens[i].on;
    };
    checks.autoLoad = on(0);
    checks.ignoreSeconds = on(1);
    checks.useInternalSpeaker = on(2);
    checks.speakerInsteadOfMidi = on(3);
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
        settings.startWallpaper = slot5->data.startsWith(QStringLiteral("Check"));
    settings.fontChoice = fontChoice();
    return settings;
}

bool SettingsStore::writeSettings(IniRecord& settingsRecord, const SettingChecks& checks, qint16 fontChoice,
                                  QString* reason) const
{
    settingsRecord.sectionName = kSectionSetting;
    settingsRecord.data1 = checks.soundOn;
    settingsRecord.data2 = checks.showSoundErrors;
    settingsRecord.data.clear();
    const std::array<bool, 4> states{checks.autoLoad, checks.ignoreSeconds, checks.useInternalSpeaker,
                                     checks.speakerInsteadOfMidi};
    for (std::size_t i = 0; i < states.size(); ++i)
        settingsRecord.data += states[i] ? kTokens[i].on : kTokens[i].off;
    const IniRecord setting = settingsRecord;
    settingsRecord.sectionName = kSectionAllFont;
    settingsRecord.data = kFontValues[std::size_t(fontOption(fontChoice))];
    return m_file.writeSlots({{IniSlot::Setting, setting}, {IniSlot::AllFont, settingsRecord}}, reason);
}

std::optional<bool> storedCheck(qint16 state)
{
    if (state == 0 || state == 1)
        return state == 1;
    return std::nullopt;
}

void applySoundChecks(SharedState& state, qint16 soundOn, qint16 showSoundErrors)
{
    if (const std::optional<bool> on = storedCheck(soundOn))
        state.soundOn = *on;
    if (const std::optional<bool> on = storedCheck(showSoundErrors))
        state.showSoundErrors = *on;
}

void applyStoredSettingChecks(SharedState& state)
{
    const std::optional<SettingChecks> checks = SettingsStore(state.settingsFile()).settingChecks();
    if (!checks)
        return;
    applySoundChecks(state, checks->soundOn, checks->showSoundErrors);
    state.ignoreSeconds = checks->ignoreSeconds;
    state.useInternalSpeaker = checks->useInternalSpeaker;
    state.speakerInsteadOfMidi = checks->speakerInsteadOfMidi;
}
