// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QtGlobal>

struct SharedState;
struct Services;
struct AlarmLists;
class FrontOrder;
class Warnings;
class OverwriteQuestion;
class FrontDialogs;
class WindowRequests;
class StartupHooks;
class ListFileFlow;
class WallpaperLogic;
struct WallpaperWindowState;

// What a window is handed instead of the composition root: the shared state, the services, the display-free
// objects it shows, and the small interfaces through which it asks the rest of the program. The root builds it
// once and owns everything it points to; a window includes the headers of the parts it really uses.
struct WindowContext
{
    SharedState& state;
    const Services& services;
    /// The day's alarm and message lists.
    AlarmLists& lists;
    /// Who may hold the front, over the state's `frontHolder`.
    FrontOrder& front;
    /// A warning window that stays on top until OK.
    Warnings& warnings;
    /// Asks before a list file is overwritten.
    OverwriteQuestion& overwrite;
    FrontDialogs& dialogs;
    WindowRequests& requests;
    /// What the start-up load asks for (the main object runs it).
    StartupHooks& startup;
    /// Saves and loads the quoted-line list files (the alarm lists, the wallpaper list).
    ListFileFlow& listFiles;
    /// The wallpaper list and schedule, and what the wallpaper window keeps while it is closed.
    WallpaperLogic& wallpaper;
    WallpaperWindowState& wallpaperWindowState;
    /// The foreground code the overwrite question hands back when it closes; kept across its loads.
    qint32& overwritePreviousFront;
};
