#include "settings/startup_settings.h"

#include <QString>

#include "settings/settings_file.h"

qint16 fontChoiceFromValue(const QString& trimmedValue)
{
    if (trimmedValue.startsWith(QStringLiteral("Arial")))
        return 1;
    if (trimmedValue.startsWith(QStringLiteral("TimesNewRoman")))
        return 2;
    return 3;
}

StartupSettings readStartupSettings(const SettingsFile& file)
{
    StartupSettings settings;
    if (!file.exists())
        return settings;
    settings.fileExists = true;
    if (const auto slot4 = file.readSlot(IniSlot::Setting))
        settings.autoLoadAlarms = slot4->value().startsWith(QStringLiteral("ALAEOn"));
    if (const auto slot5 = file.readSlot(IniSlot::Wallpaper))
        settings.startWallpaper = slot5->sData.startsWith(QStringLiteral("Check"));
    const auto slot8 = file.readSlot(IniSlot::AllFont);
    settings.iFontChoice = fontChoiceFromValue(slot8 ? slot8->value() : QString());
    return settings;
}
