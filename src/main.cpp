#include <cstdio>

#include <QApplication>
#include <QStandardPaths>

#include "app/app_context.h"
#include "app/main_window.h"
#include "app/shared_state.h"
#include "app/tray_pictures.h"
#include "platform/linux/desktop_launcher.h"
#include "platform/linux/desktop_wallpaper.h"
#include "platform/linux/desktop_window_services.h"
#include "platform/linux/image_converter.h"
#include "platform/linux/message_box.h"
#include "platform/linux/pc_speaker.h"
#include "platform/linux/process_runner.h"
#include "platform/linux/session_guard.h"
#include "platform/linux/sound_on_demand.h"
#include "platform/linux/system_clock.h"
#include "platform/linux/system_tray_icon.h"
#include "platform/linux/x_root_wallpaper.h"
#include "platform/linux/xdg_autostart.h"

namespace {
// The General MIDI sound font Debian's soundfont packages provide.
const QString kSoundFont = QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2");
// The sound output is given back this long after the last sound.
constexpr int kAudioIdleCloseMs = 15000;
} // namespace

int main(int argc, char** argv)
{
    SessionGuard::preferX11();
    if (!SessionGuard::hasDisplay()) {
        std::fputs("Ixo needs a graphical desktop (no display found)\n", stderr);
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ixo"));
    QApplication::setApplicationVersion(QStringLiteral(IXO_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    const QIcon picture = TrayPictures::normal();
    QApplication::setWindowIcon(picture);

    SingleInstanceLock lock;
    if (!lock.tryLock()) {
        std::fputs("Ixo is already running\n", stderr);
        return 0;
    }

    SystemClock clock;
    DesktopWindowServices windows;
    DesktopLauncher launcher;
    MessageBox modalBox;
    SystemTrayIcon tray(picture, &TrayPictures::disabled);
    SoundOnDemand sound(SoundOnDemand::modulePaths(QCoreApplication::applicationDirPath()), kSoundFont,
                        kAudioIdleCloseMs);
    PcSpeaker speaker(sound.tones());
    const QString tuneCopy =
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/air.mid");
    ProcessRunner commands;
    XRootWallpaper rootWindow;
    DesktopWallpaper wallpaper(DesktopWallpaper::currentDesktop(), commands, rootWindow);
    ImageConverter pictures;
    XdgAutostart autostart(XdgAutostart::defaultConfigHome(), QCoreApplication::applicationFilePath());
    Module1 state;
    AppContext app(state, Services{clock, windows, launcher, modalBox, tray, sound.wave(), sound.mci(),
                                   sound.wavePlayer(), speaker, tuneCopy, wallpaper, pictures, autostart});

    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &application,
                     [&app] { app.form1().Form_QueryUnload(); });

    app.form1().Form_Load(QCoreApplication::applicationDirPath());
    return QApplication::exec();
}
