// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/startup/startup_load.h"

#include "core/settings/settings_store.h"
#include "core/state/shared_state.h"

namespace {
// "my.dat" is the plan of every day, loaded when its box in ixo.ini is ticked.
void loadDayPlan(const StartupSettings& settings, StartupHooks& hooks)
{
    if (settings.fileExists && settings.autoLoadAlarms)
        hooks.loadAlarmFile(QStringLiteral("my.dat"));
}
} // namespace

void loadStartupSettings(SharedState& state, StartupHooks& hooks)
{
    state.setStartupDefaults();
    const StartupSettings settings = SettingsStore(state.settingsFile()).startup();
    if (!settings.fileExists)
        return;
    loadDayPlan(settings, hooks);
    if (settings.startWallpaper)
        hooks.loadWallpaperWindow();
    state.fontChoice = settings.fontChoice;
    hooks.selectFontOption(state.fontChoice);
}

void reloadDayPlan(const SharedState& state, StartupHooks& hooks)
{
    loadDayPlan(SettingsStore(state.settingsFile()).startup(), hooks);
}
