// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
// Drives the wallpaper changer against the real desktop services of the session, for the end-to-end test.
//   wallpaper_probe pictures FOLDER              writes red.bmp and blue.jpg (640 x 480) into FOLDER
//   wallpaper_probe change FOLDER N ENTRY...     N changes over the entries, in list order (the changer's default)
//   wallpaper_probe clear                        clears the wallpaper
// The desktop comes from XDG_CURRENT_DESKTOP. Ends when every command it started has ended.
#include <cstdio>

#include <QCoreApplication>
#include <QImage>
#include <QTimer>

#include "core/state/shared_state.h"
#include "core/state/warnings.h"
#include "core/wallpaper/wallpaper_changer.h"
#include "core/wallpaper/wallpaper_times.h"
#include "core/wallpaper/wallpaper_window_state.h"
#include "platform/linux/desktop_wallpaper.h"
#include "platform/linux/image_converter.h"
#include "platform/linux/process_runner.h"
#include "platform/linux/x_root_wallpaper.h"

namespace {
class PrintedWarnings final : public Warnings
{
public:
    void warn(const QString& text) override { std::fprintf(stderr, "warning: %s\n", qPrintable(text)); }
};

class EveryMinute final : public WallpaperTimes
{
public:
    void scheduleWallpaper(bool, const QString&, bool&, qint16&, qint16& wallpaperMark) override { wallpaperMark = -1; }
    void nextWallpaperMark(qint16, qint16& wallpaperMark) override
    {
        wallpaperMark = static_cast<qint16>((wallpaperMark + 1) % 60);
    }
};

} // namespace

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
    if (command == "clear" && args.size() == 1) {
        wallpaper.clearWallpaper();
    } else if (command == "change" && args.size() >= 4) {
        SharedState state;
        WallpaperWindowState form;
        form.pictureFolder = args.at(1);
        PrintedWarnings warnings;
        ImageConverter converter;
        EveryMinute times;
        WallpaperChanger changer(state, form, WallpaperChanger::Services{warnings, converter, wallpaper, times, {}});
        changer.setEntries(args.mid(3));
        for (int i = args.at(2).toInt(); i > 0; --i)
            changer.changeWallpaper();
    } else {
        std::fputs("usage: wallpaper_probe pictures FOLDER | change FOLDER N ENTRY... | clear\n", stderr);
        return 2;
    }
    if (!runner.isBusy())
        return 0;
    QObject::connect(&runner, &ProcessRunner::idle, &application, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
