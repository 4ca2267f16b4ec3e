// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <cstdio>
#include <optional>

#include <QApplication>
#include <QDBusConnection>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>

#include "app/bus_client.h"
#include "app/bus_service.h"
#include "app/window_registry.h"
#include "core/startup/command_line.h"
#include "core/startup/program_folder.h"
#include "core/startup/translations.h"
#include "core/state/shared_state.h"
#include "platform/linux/canberra_event_sound.h"
#include "platform/linux/desktop_launcher.h"
#include "platform/linux/desktop_notifier.h"
#include "platform/linux/desktop_wallpaper.h"
#include "platform/linux/desktop_window_services.h"
#include "platform/linux/image_converter.h"
#include "platform/linux/message_box.h"
#include "platform/linux/pc_speaker.h"
#include "platform/linux/process_runner.h"
#include "platform/linux/session_guard.h"
#include "platform/linux/sound_on_demand.h"
#include "platform/linux/system_clock.h"
#include "platform/linux/system_computer_waker.h"
#include "platform/linux/system_tray_icon.h"
#include "platform/linux/timerfd_clock_jumps.h"
#include "platform/linux/x_root_wallpaper.h"
#include "platform/linux/xdg_autostart.h"
#include "ui/common/tray_pictures.h"
#include "ui/tray/tray_controller.h"

namespace {
// The General MIDI sound font Debian's soundfont packages provide.
const QString kSoundFont = QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2");
// The sound output is given back this long after the last sound.
constexpr int kAudioIdleCloseMs = 15000;

// Exit codes of the command line: a wrong argument is a usage error.
constexpr int kUsageError = 2;

// Answers --version and --help, or a wrong argument with the usage; -1 when Ixo is to run.
int answerCommandLine(const QStringList& arguments, bool leaveToToolkit)
{
    CommandLine::Parsed parsed = CommandLine::parse(arguments, leaveToToolkit);
    std::optional<QCoreApplication> commandLine; // the answers in the user's language, without a display
    std::optional<Translations> translations;
    if (parsed.action != CommandLine::Action::Run && !QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "ixo";
        static char* argv[] = {name, nullptr};
        commandLine.emplace(argc, argv);
        translations.emplace().install(Translations::userLanguages(QLocale()), QStringLiteral(":/i18n"), QString());
    }
    if (translations)
        parsed = CommandLine::parse(arguments, leaveToToolkit); // its error, now in the user's language
    switch (parsed.action) {
    case CommandLine::Action::Run:
        return -1;
    case CommandLine::Action::Version:
        std::fputs(qPrintable(CommandLine::versionText(QStringLiteral(IXO_VERSION))), stdout);
        return 0;
    case CommandLine::Action::Help:
        std::fputs(qPrintable(CommandLine::usageText()), stdout);
        return 0;
    case CommandLine::Action::Usage:
        std::fprintf(stderr, "ixo: %s\n%s", qPrintable(parsed.error), qPrintable(CommandLine::usageText()));
        return kUsageError;
    case CommandLine::Action::Add:
    case CommandLine::Action::List:
    case CommandLine::Action::Stop:
    case CommandLine::Action::Snooze:
    case CommandLine::Action::Unschedule:
        return BusClient::run(parsed);
    }
    return -1;
}
} // namespace

int main(int argc, char** argv)
{
    // --version, --help and the commands to a running Ixo work without a desktop; the toolkit's own options are
    // read when it starts.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (const int answered = answerCommandLine(arguments, true); answered >= 0)
        return answered;

    SessionGuard::preferX11();
    if (!SessionGuard::hasDisplay()) {
        std::fputs("Ixo needs a graphical desktop (no display found)\n", stderr); // before any translation is loaded
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ixo"));
    QApplication::setApplicationVersion(QStringLiteral(IXO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(IXO_APP_ID));
    QApplication::setQuitOnLastWindowClosed(false);
    const QIcon picture = TrayPictures::normal();
    QApplication::setWindowIcon(picture);
    Translations translations;
    translations.install(Translations::userLanguages(QLocale()), QStringLiteral(":/i18n"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (const int answered = answerCommandLine(QCoreApplication::arguments().mid(1), false); answered >= 0)
        return answered;

    const ProgramFolder folder = ProgramFolder::locate(QCoreApplication::applicationDirPath(),
                                                       qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
    QString folderError;
    if (!folder.create(&folderError))
        std::fprintf(stderr, "Ixo: %s\n", qPrintable(folderError));

    SingleInstanceLock lock;
    if (!lock.tryLock()) {
        std::fprintf(stderr, "%s\n", qPrintable(QCoreApplication::translate("Messages", "Ixo is already running")));
        return 0;
    }

    SystemClock clock;
    TimerfdClockJumps clockJumps;
    CanberraEventSound eventSounds;
    DesktopWindowServices windows(eventSounds);
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
    DesktopNotifier notifier;
    SystemComputerWaker waker({QDBusConnection::sessionBus(), QDBusConnection::systemBus(),
                               SystemComputerWaker::helperPathBeside(QCoreApplication::applicationDirPath())});
    SharedState state;
    WindowRegistry app(state, Services{clock, windows, launcher, modalBox, tray, sound.wave(), sound.midi(),
                                       sound.wavePlayer(), speaker, tuneCopy, wallpaper, pictures, autostart,
                                       clockJumps, notifier, waker});

    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &application,
                     [&app] { app.trayController().quit(); });

    app.trayController().start(folder.appPath, folder.sharePath);
    app.startSchedule();
    BusService bus(app.remoteControl());
    QDBusConnection session = QDBusConnection::sessionBus();
    if (QString reason; !bus.publish(session, &reason))
        std::fprintf(stderr, "Ixo: ixo --add and the other commands cannot reach this Ixo (%s)\n", qPrintable(reason));
    return QApplication::exec();
}
