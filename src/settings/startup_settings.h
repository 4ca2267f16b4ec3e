#pragma once

#include <QtGlobal>

class SettingsFile;

// What the start-up load reads from ixo.ini: whether to load "my.dat", whether to start the wallpaper
// changer, and the font choice. Section names are not checked here; only the values count.
struct StartupSettings
{
    bool fileExists = false;
    bool autoLoadAlarms = false; // slot 4 value begins with "ALAEOn"
    bool startWallpaper = false; // slot 5 value, untrimmed, begins with "Check"
    qint16 iFontChoice = 0;      // slot 8: 1 "Arial", 2 "TimesNewRoman", 3 anything else
};

StartupSettings readStartupSettings(const SettingsFile& file);

/// The font choice a slot 8 value stands for: 1 Arial, 2 Times New Roman ("Enlarge"), 3 Normal.
qint16 fontChoiceFromValue(const QString& trimmedValue);
