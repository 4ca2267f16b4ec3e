// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
// The test pictures of the wallpaper changer scenario, and the wallpaper cleared through the session's real desktop
// services:
//   wallpaper_probe pictures FOLDER    writes red.bmp and blue.jpg (640 x 480) into FOLDER
//   wallpaper_probe clear              clears the wallpaper
// The desktop comes from XDG_CURRENT_DESKTOP. Ends when every command it started has ended.
#include <cstdio>

#include <QCoreApplication>
#include <QImage>

#include "platform/linux/desktop_wallpaper.h"
#include "platform/linux/process_runner.h"
#include "platform/linux/x_root_wallpaper.h"

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const QString command = args.value(0);
    if (command == "pictures" && args.size() == 2) {
        QImage image(640, 480, QImage::Format_RGB32);
        image.fill(Qt::red);
        const bool red = image.save(args.at(1) + "/red.bmp");
        image.fill(Qt::blue);
        return red && image.save(args.at(1) + "/blue.jpg") ? 0 : 1;
    }

    ProcessRunner runner;
    XRootWallpaper rootWindow;
    DesktopWallpaper wallpaper(DesktopWallpaper::currentDesktop(), runner, rootWindow);
    if (command != "clear" || args.size() != 1) {
        std::fputs("usage: wallpaper_probe pictures FOLDER | clear\n", stderr);
        return 2;
    }
    wallpaper.clearWallpaper();
    if (!runner.isBusy())
        return 0;
    QObject::connect(&runner, &ProcessRunner::idle, &application, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
