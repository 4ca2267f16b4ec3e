// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>
#include <QStringList>

#include "platform/wallpaper_setter.h"

class CommandRunner;

// A picture painted straight onto the X root window, for desktops without a wallpaper service of their own.
class RootWindowPicture
{
public:
    virtual ~RootWindowPicture() = default;
    virtual bool paint(const QString& path) = 0;
    virtual bool clear() = 0;
};

// Sets the wallpaper the way the running desktop expects it, chosen by XDG_CURRENT_DESKTOP: GNOME and its
// relatives through gsettings (light and dark picture), Cinnamon and MATE through their own gsettings keys,
// KDE Plasma through plasma-apply-wallpaperimage, XFCE through every last-image property of xfdesktop, and
// anything else through the X root window.
class DesktopWallpaper final : public WallpaperSetter
{
public:
    enum class Desktop { Gnome, Cinnamon, Mate, Kde, Xfce, RootWindow };

    /// The desktop a value of XDG_CURRENT_DESKTOP (a ":"-separated list, first known name wins) stands for.
    static Desktop desktopFrom(const QString& xdgCurrentDesktop);
    /// The desktop of this session.
    static Desktop currentDesktop();

    DesktopWallpaper(Desktop desktop, CommandRunner& runner, RootWindowPicture& rootWindow);

    Desktop desktop() const { return m_desktop; }

    void setWallpaper(const QString& path) override;
    void clearWallpaper() override;

    /// `text` as a GVariant string literal, the form gsettings reads its values in.
    static QString gvariantString(const QString& text);
    /// The plasmashell script that sets the picture of every desktop to `imageUrl` (empty for none).
    static QString plasmaScript(const QString& imageUrl);

private:
    void gsettingsSet(const QString& schema, const QString& key, const QString& value);
    void xfceSetAll(const QString& path);

    Desktop m_desktop;
    CommandRunner& m_runner;
    RootWindowPicture& m_rootWindow;
};
