// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include "platform/linux/desktop_wallpaper.h"

// Paints the picture, scaled to cover the screen, into a pixmap that becomes the root window's background and is
// published in _XROOTPMAP_ID and ESETROOT_PMAP_ID, so bare window managers and pseudo-transparent programs
// show it. The pixmap outlives the connection that made it; the one it replaces is freed.
class XRootWallpaper final : public RootWindowPicture
{
public:
    /// `displayName` empty: the display of $DISPLAY.
    explicit XRootWallpaper(const QString& displayName = QString());

    bool paint(const QString& path) override;
    bool clear() override;

private:
    QString m_displayName;
};
