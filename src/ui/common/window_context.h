// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

struct SharedState;
struct Services;
class FrontOrder;
class Warnings;
class FrontDialogs;
class WindowRequests;

// What every window is handed instead of the composition root: the shared state, the services, and the small
// interfaces through which it asks the rest of the program. The root builds it once and owns everything it points
// to, and hands a window that needs more (the day's lists, the list files, the wallpaper logic) those parts itself;
// a window includes the headers of the parts it really uses.
struct WindowContext
{
    SharedState& state;
    const Services& services;
    /// A warning window that stays on top until OK.
    Warnings& warnings;
    WindowRequests& requests;
    /// Who may hold the front, over the state's `frontHolder`.
    FrontOrder& front;
    FrontDialogs& dialogs;
};
