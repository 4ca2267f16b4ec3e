// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>
#include <QtGlobal>

// What the wallpaper window remembers across being closed and loaded again; it lives with the program, not with
// the window.
struct WallpaperWindowState
{
    QString pictureName;     // picture last picked in the picture box or clicked in the list: what Add adds
    qint16 pictureIndex = 0; // list index of the picture the next change shows
    QString pictureFolder;   // folder of the pictures, no trailing "/"
    qint16 deleteCursor = 0; // scan position while deleting
    qint32 windowLeft = 0;   // window position in logical pixels
    qint32 windowTop = 0;
};
