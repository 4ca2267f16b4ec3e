// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/startup/startup_load.h"

#include "core/settings/settings_store.h"
#include "core/state/shared_state.h"

void loadStartupSettings(SharedState& state, StartupHooks& hooks)
{
    state.setStartupDefaults();
    const StartupSettings settings = SettingsStore(state.settingsFile()).startup();
    if (!settings.fileExists)
        return;
    if (settings.autoLoadAlarms)
        hooks.loadAlarmFile(QStringLiteral("my.dat"));
    if (settings.startWallpaper)
        hooks.loadWallpaperWindow();
    state.fontChoice = settings.fontChoice;
    hooks.selectFontOption(state.fontChoice);
}
