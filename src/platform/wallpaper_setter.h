// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>

// The desktop wallpaper: show a picture file on the desktop, or no picture at all. Failures are not reported to
// the caller; the desktop keeps what it had.
class WallpaperSetter
{
public:
    virtual ~WallpaperSetter() = default;
    /// Shows the picture file `path` (absolute) as the desktop wallpaper.
    virtual void setWallpaper(const QString& path) = 0;
    /// Removes the desktop picture.
    virtual void clearWallpaper() = 0;
};
