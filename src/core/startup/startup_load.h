// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>
#include <QTime>
#include <QtGlobal>

struct SharedState;

// What the start-up load asks of the rest of the program.
class StartupHooks
{
public:
    virtual ~StartupHooks() = default;
    /// Loads the alarm data file `fileName` of the program folder into the lists.
    virtual void loadAlarmFile(const QString& fileName) = 0;
    /// Loads `fileName` again for a new date whose change was seen at `dueFrom`: its events from that second on
    /// are due, and of what is wrong with the file only what has changed since its last load is reported.
    virtual void reloadAlarmFile(const QString& fileName, const QTime& dueFrom) = 0;
    /// Loads the wallpaper window without showing it (it starts the changer).
    virtual void loadWallpaperWindow() = 0;
    /// Selects font option `fontChoice` in the Settings window, which loads it hidden.
    virtual void selectFontOption(qint16 fontChoice) = 0;
};

/// The start-up load: the defaults of the shared state, then what ixo.ini asks for ("my.dat", the wallpaper
/// changer, the font choice). Without ixo.ini only the defaults are set.
void loadStartupSettings(SharedState& state, StartupHooks& hooks);
/// The every-day plan on a new date whose change was seen at `dueFrom`: "my.dat" loaded again, when ixo.ini (read
/// afresh, so a box changed since the start counts) asks for it; nothing else of the start-up load is done again.
void reloadDayPlan(const SharedState& state, StartupHooks& hooks, const QTime& dueFrom);
