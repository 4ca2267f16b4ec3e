// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/startup/startup_load.h"

#include "core/settings/settings_store.h"
#include "core/state/shared_state.h"

namespace {
// "my.dat" is the plan of every day, loaded when its box in ixo.ini is ticked.
const QString kDayPlan = QStringLiteral("my.dat");

bool wantsDayPlan(const StartupSettings& settings)
{
    return settings.fileExists && settings.autoLoadAlarms;
}
} // namespace

void loadStartupSettings(SharedState& state, StartupHooks& hooks)
{
    state.setStartupDefaults();
    const StartupSettings settings = SettingsStore(state.settingsFile()).startup();
    if (!settings.fileExists)
        return;
    if (wantsDayPlan(settings))
        hooks.loadAlarmFile(kDayPlan);
    if (settings.startWallpaper)
        hooks.loadWallpaperWindow();
    state.fontChoice = settings.fontChoice;
    hooks.selectFontOption(state.fontChoice);
}

void reloadDayPlan(const SharedState& state, StartupHooks& hooks, const QTime& dueFrom)
{
    if (wantsDayPlan(SettingsStore(state.settingsFile()).startup()))
        hooks.reloadAlarmFile(kDayPlan, dueFrom);
}
