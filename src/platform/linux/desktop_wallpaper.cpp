// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "platform/linux/desktop_wallpaper.h"

#include <QUrl>

#include "platform/command_runner.h"

namespace {
const QString kGsettings = QStringLiteral("gsettings");
const QString kXfconf = QStringLiteral("xfconf-query");
const QString kXfceChannel = QStringLiteral("xfce4-desktop");
const QString kGnomeSchema = QStringLiteral("org.gnome.desktop.background");
const QString kCinnamonSchema = QStringLiteral("org.cinnamon.desktop.background");
const QString kMateSchema = QStringLiteral("org.mate.background");

QString fileUri(const QString& path)
{
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
}
} // namespace

DesktopWallpaper::Desktop DesktopWallpaper::desktopFrom(const QString& xdgCurrentDesktop)
{
    const QStringList names = xdgCurrentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& raw : names) {
        const QString name = raw.trimmed().toLower();
        if (name == QLatin1String("x-cinnamon") || name == QLatin1String("cinnamon"))
            return Desktop::Cinnamon;
        if (name == QLatin1String("mate"))
            return Desktop::Mate;
        if (name == QLatin1String("kde"))
            return Desktop::Kde;
        if (name == QLatin1String("xfce"))
            return Desktop::Xfce;
        if (name == QLatin1String("gnome") || name == QLatin1String("gnome-classic") ||
            name == QLatin1String("gnome-flashback") || name == QLatin1String("unity") ||
            name == QLatin1String("budgie") || name == QLatin1String("pantheon"))
            return Desktop::Gnome;
    }
    return Desktop::RootWindow;
}

DesktopWallpaper::Desktop DesktopWallpaper::currentDesktop()
{
    return desktopFrom(qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
}

DesktopWallpaper::DesktopWallpaper(Desktop desktop, CommandRunner& runner, RootWindowPicture& rootWindow)
    : m_desktop(desktop), m_runner(runner), m_rootWindow(rootWindow)
{
}

QString DesktopWallpaper::gvariantString(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    quoted.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString DesktopWallpaper::plasmaScript(const QString& imageUrl)
{
    QString url = imageUrl;
    url.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    url.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QStringLiteral("desktops().forEach(function (d) {"
                          " d.wallpaperPlugin = 'org.kde.image';"
                          " d.currentConfigGroup = ['Wallpaper', 'org.kde.image', 'General'];"
                          " d.writeConfig('Image', '%1'); });")
        .arg(url);
}

void DesktopWallpaper::setWallpaper(const QString& path)
{
    switch (m_desktop) {
    case Desktop::Gnome:
        // GNOME 42 and later show the dark picture while the dark style is on.
        gsettingsSet(kGnomeSchema, QStringLiteral("picture-uri"), fileUri(path));
        gsettingsSet(kGnomeSchema, QStringLiteral("picture-uri-dark"), fileUri(path));
        break;
    case Desktop::Cinnamon:
        gsettingsSet(kCinnamonSchema, QStringLiteral("picture-uri"), fileUri(path));
        break;
    case Desktop::Mate:
        gsettingsSet(kMateSchema, QStringLiteral("picture-filename"), path);
        break;
    case Desktop::Kde:
        m_runner.run(QStringLiteral("plasma-apply-wallpaperimage"), {path});
        break;
    case Desktop::Xfce:
        xfceSetAll(path);
        break;
    case Desktop::RootWindow:
        if (!m_rootWindow.paint(path))
            qWarning("Ixo: could not paint %s on the desktop", qPrintable(path));
        break;
    }
}

void DesktopWallpaper::clearWallpaper()
{
    switch (m_desktop) {
    case Desktop::Gnome:
        gsettingsSet(kGnomeSchema, QStringLiteral("picture-uri"), QString());
        gsettingsSet(kGnomeSchema, QStringLiteral("picture-uri-dark"), QString());
        break;
    case Desktop::Cinnamon:
        gsettingsSet(kCinnamonSchema, QStringLiteral("picture-uri"), QString());
        break;
    case Desktop::Mate:
        gsettingsSet(kMateSchema, QStringLiteral("picture-filename"), QString());
        break;
    case Desktop::Kde:
        // plasma-apply-wallpaperimage needs a picture; plasmashell's script interface takes an empty one.
        m_runner.run(QStringLiteral("dbus-send"),
                     {QStringLiteral("--session"), QStringLiteral("--type=method_call"),
                      QStringLiteral("--dest=org.kde.plasmashell"), QStringLiteral("/PlasmaShell"),
                      QStringLiteral("org.kde.PlasmaShell.evaluateScript"),
                      QStringLiteral("string:") + plasmaScript(QString())});
        break;
    case Desktop::Xfce:
        xfceSetAll(QString());
        break;
    case Desktop::RootWindow:
        m_rootWindow.clear();
        break;
    }
}

void DesktopWallpaper::gsettingsSet(const QString& schema, const QString& key, const QString& value)
{
    m_runner.run(kGsettings, {QStringLiteral("set"), schema, key, gvariantString(value)});
}

void DesktopWallpaper::xfceSetAll(const QString& path)
{
    // xfdesktop keeps one last-image property per monitor and workspace; every one of them gets the picture.
    CommandRunner& runner = m_runner;
    runner.run(kXfconf, {QStringLiteral("-c"), kXfceChannel, QStringLiteral("-l")},
               [&runner, path](const CommandRunner::Result& listing) {
                   if (!listing.started || listing.exitCode != 0)
                       return;
                   const QList<QByteArray> lines = listing.output.split('\n');
                   for (const QByteArray& line : lines) {
                       const QString property = QString::fromUtf8(line).trimmed();
                       if (property.startsWith(QLatin1String("/backdrop/")) &&
                           property.endsWith(QLatin1String("/last-image")))
                           runner.run(kXfconf, {QStringLiteral("-c"), kXfceChannel, QStringLiteral("-p"), property,
                                                QStringLiteral("-s"), path});
                   }
               });
}
