// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/alarms/alarm_lists.h"
#include "core/io/quoted_line_file.h"
#include "core/io/settings_file.h"
#include "core/schedule/schedule_logic.h"
#include "core/state/shared_state.h"
#include "core/wallpaper/wallpaper_store.h"
#include "fake_clock.h"
#include "fake_sound.h"
#include "fake_warnings.h"
#include "platform/command_runner.h"
#include "platform/event_sound.h"
#include "platform/linux/desktop_launcher.h"
#include "platform/linux/desktop_notifier.h"
#include "platform/linux/desktop_wallpaper.h"
#include "platform/linux/desktop_window_services.h"
#include "platform/linux/image_converter.h"
#include "platform/linux/xdg_autostart.h"
#include "sound_files.h"

namespace {
// Plays nothing; says it did when `playable`.
class FakeEventSound final : public EventSound
{
public:
    bool play(const QString& eventId) override { return played.append(eventId), playable; }
    bool playable = true;
    QStringList played;
};

// Records the commands, arguments joined by "|"; answers a listing of xfconf with `xfceProperties`.
class FakeRunner final : public CommandRunner
{
public:
    void run(const QString& program, const QStringList& arguments, Done done) override
    {
        commands.append((QStringList{program} + arguments).join('|'));
        if (done)
            done(Result{true, 0, xfceProperties});
    }
    QStringList commands;
    QByteArray xfceProperties = "/backdrop/screen0/monitorHDMI-1/workspace0/color-style\n"
                                "/backdrop/screen0/monitorHDMI-1/workspace0/last-image\n"
                                "/backdrop/screen0/monitoreDP-1/workspace1/last-image\n/desktop-icons/last-image\n";
};

class FakeRoot final : public RootWindowPicture
{
public:
    bool paint(const QString&) override { return painted = true; }
    bool clear() override { return painted = true; }
    bool painted = false;
};

const QString kPath = QStringLiteral("/home/u/My Pictures/it's.bmp");

// Writes `file` in the program folder `app` as its writer in Ixo does; the reason it gives when that fails.
QString writeAndTell(const QString& file, const QString& app)
{
    QString told;
    if (file.endsWith(".dat")) {
        QuotedLineFile::write(app + file, {"once 09:00:00"}, &told);
    } else if (file == "Wpaper.ini") {
        WallpaperStore().saveSettings(true, 0, 0, false, false, "5 min", app, app, &told);
    } else if (file == "ixo.ini") {
        SettingsFile(app).writeSlot(IniSlot::SongName, IniRecord{}, &told);
    } else if (file == "schedule.json") {
        SharedState state;
        AlarmLists lists;
        FakeWarnings warnings;
        FakeClock clock;
        ScheduleLogic schedule(state, lists, warnings, clock);
        schedule.load(app);
        ScheduleEntry entry;
        entry.time = QTime(7, 0), entry.when = ScheduleWhen::onDays(ScheduleWhen::kWeekdays);
        told = schedule.add(entry);
        told += warnings.shown.join('|');
    } else if (file.startsWith("autostart/")) {
        XdgAutostart(app.chopped(1), "/usr/bin/ixo").enable(&told);
    } else if (file.endsWith(".bmp")) {
        told = ImageConverter().convertToBmp(app + "a.pbm", app + file).reason;
    } else { // the tune's copy, made when a wave cannot be played: a warning, then the box
        SoundRig rig(app, app + file);
        rig.soundLogic.playTune();
        told = (rig.warnings.shown + rig.box.shown + rig.midi.commands).join('|');
    }
    return told;
}
} // namespace

// The desktop services of the Linux platform layer: opening files, the beep, the wallpaper on each desktop, the
// start at log-in, and writing a file.
class TestDesktopServices : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Every file Ixo writes goes through writeWholeFile(); each writer meets a full disk (no file of this process
    // may grow past one byte, the signal that would end it ignored) and a folder it may not write. The old file
    // keeps its bytes, nothing is left beside it, and the reason is given (the warnings that carry it are the
    // callers' tests').
    void failedWriteKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("told");
        for (const QString fault : {"full disk", "read-only folder"})
            for (const QString file :
                 {"Plan.dat", "Wpaper.dat", "Wpaper.ini", "ixo.ini", "tmpFile.bmp", "autostart/Ixo.exe.desktop"})
                QTest::newRow(qPrintable(file + ", " + fault))
                    << file << (file.contains('/') || file.endsWith("per.ini") ? "<app>" + file + ": <why>" : "<why>");
        for (const QString fault : {"full disk", "read-only folder"}) // kept in use, with a warning
            QTest::newRow(qPrintable("schedule.json, " + fault))
                << "schedule.json"
                << "The schedule could not be saved to <app>schedule.json: <why>";
        // The tune's folder is made private, and so writable: only a full disk stops its copy.
        QTest::newRow("tune, full disk") << "cache/air.mid"
                                         << "<app>cache/air.mid could not be written: <why>|Error found, Sound "
                                            "cannot be played, alarm at 08:30:00";
    }
    void failedWriteKeepsTheOldFile()
    {
        QFETCH(QString, file);
        QFETCH(QString, told);
        const bool fullDisk = QByteArray(QTest::currentDataTag()).endsWith("full disk");
        if (!fullDisk && geteuid() == 0)
            QSKIP("root writes into a read-only folder all the same");
        QTemporaryDir dir;
        const QString app = dir.path() + '/', folder = QFileInfo(app + file).path();
        const QByteArray old = file.endsWith(".json") ? R"({"version": 1, "entries": []})" : "old";
        QVERIFY(QDir().mkpath(folder) && SoundFiles::writeFile(app + "a.pbm", "P1 1 1 1") &&
                SoundFiles::writeFile(app + "air.mid", "MThd") && SoundFiles::writeFile(app + file, old));
        const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit oneByte{1, limit.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(fullDisk ? setrlimit(RLIMIT_FSIZE, &oneByte) == 0
                         : QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        const QString shown = writeAndTell(file, app);
        setrlimit(RLIMIT_FSIZE, &limit);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(shown, told.replace("<app>", app).replace("<why>", fullDisk ? "File too large" : "Permission denied"));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
        QCOMPARE(SoundFiles::readFile(app + file), old);
    }
    // The entry goes to $XDG_CONFIG_HOME/autostart, passes desktop-file-validate, runs this executable (quoted and
    // escaped), and goes again on removal; a relative or multi-line path is refused (an entry that cannot be written:
    // the test above).
    void writesValidatesAndRemoves()
    {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        QCOMPARE(XdgAutostart::defaultConfigHome(), config.path());
        XdgAutostart autostart(XdgAutostart::defaultConfigHome(), config.filePath("my \"apps\" $1/Ixo 100%"));
        const QString entry = config.path() + "/autostart/Ixo.exe.desktop";
        QVERIFY(!autostart.isEnabled());

        QString error;
        QVERIFY2(autostart.enable(&error) && autostart.isEnabled(), qPrintable(error));
        const QByteArray text = SoundFiles::readFile(entry);
        QVERIFY(text.contains("\nExec=\"" + config.path().toUtf8() + "/my \\\\\"apps\\\\\" \\\\$1/Ixo 100%%\"\n"));

        const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
        QVERIFY2(!validator.isEmpty(), "desktop-file-validate is missing (scripts/install-deps installs it)");
        QProcess validate;
        validate.start(validator, {entry});
        QVERIFY(validate.waitForFinished());
        const QByteArray report = validate.readAllStandardOutput() + validate.readAllStandardError();
        QVERIFY2(validate.exitCode() == 0 && report.isEmpty(), report.constData());

        // Removed, and removed again: nothing left to remove still counts as done.
        QVERIFY(autostart.disable(&error) && !QFile::exists(entry) && autostart.disable(&error));
        qunsetenv("XDG_CONFIG_HOME");

        QVERIFY(!XdgAutostart(config.path(), "ixo").enable(&error));
        QVERIFY(!XdgAutostart(config.path(), "/opt/a\nb/ixo").enable(&error));
    }

    // The Exec line of a desktop entry: quoting and escapes, the file put in for the first file code (or added),
    // other codes dropped, the Terminal key read; hidden or broken entries give nothing.
    void desktopEntryCommand_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("command"); // program and arguments joined by "|"; "terminal" first when in one
        const QString head = "[Desktop Entry]\nType=Application\nName=Editor\n";
        const auto row = [&head](const char* name, const char* rest, const char* command) {
            QTest::newRow(name) << head + rest << command;
        };
        row("file code; keys of other groups ignored",
            "Exec=gedit --new-window %U\n[Desktop Action new]\nExec=gedit\nTerminal=true\n",
            "gedit|--new-window|/a b/my.dat");
        row("terminal editor, no file code: added at the end", "Terminal=true\nExec=/usr/bin/vim -b\n",
            "terminal|/usr/bin/vim|-b|/a b/my.dat");
        row("quotes, escapes, other codes, a second file code",
            "Exec=\"/opt/my ed/ed\" --title=\"say \\\\\"hi\\\\\"\" %i %c 100%% %f %F\n",
            "/opt/my ed/ed|--title=say \"hi\"|100%|/a b/my.dat");
        row("hidden", "Hidden=true\nExec=gedit %U\n", "");
        row("open quote", "Exec=\"gedit %U\n", "");
    }
    void desktopEntryCommand()
    {
        QFETCH(QString, entry);
        const std::optional<OpenCommand> found = ::desktopEntryCommand(entry, QStringLiteral("/a b/my.dat"));
        QStringList got;
        if (found)
            got << QStringList(found->terminal ? 1 : 0, "terminal") << found->program << found->arguments;
        QTEST(got.join('|'), "command");
    }

    // The default application is asked of stand-ins for xdg-mime, then gio, on PATH, without waiting: while xdg-mime
    // hangs the event loop runs, and it is stopped after the time limit (0.3 s here); gio's answer is used then.
    void defaultApplicationWithoutWaiting()
    {
        QTemporaryDir dir;
        const auto write = [&dir](const QString& name, const QByteArray& text) {
            return SoundFiles::writeFile(dir.filePath(name), text, QFile::ReadOwner | QFile::ExeOwner);
        };
        QVERIFY(write("xdg-mime", "#!/bin/sh\nexec sleep 10") &&
                write("gio", "#!/bin/sh\necho 'Default application for x: ed.desktop;vi.desktop'"));
        QVERIFY(QDir(dir.path()).mkdir("applications") &&
                write("applications/ed.desktop", "[Desktop Entry]\nExec=ed %f"));
        const QByteArray path = qgetenv("PATH"), data = qgetenv("XDG_DATA_HOME");
        const auto restore = qScopeGuard([&] { qputenv("PATH", path), qputenv("XDG_DATA_HOME", data); });
        qputenv("PATH", dir.path().toUtf8() + ":" + path);
        qputenv("XDG_DATA_HOME", dir.path().toUtf8());

        DesktopLauncher launcher(300);
        int beats = 0, beatsAtAnswer = -1;
        QTimer beat;
        beat.callOnTimeout([&beats] { ++beats; });
        beat.start(20);
        std::optional<OpenCommand> app;
        launcher.askDefaultApplication("text/plain", "/a b/my.dat", [&](const std::optional<OpenCommand>& answer) {
            app = answer, beatsAtAnswer = beats;
        });
        QCOMPARE(beatsAtAnswer, -1); // not answered before the question returns
        QTRY_VERIFY_WITH_TIMEOUT(beatsAtAnswer >= 0, 5000);
        // The event loop ran while xdg-mime hung.
        QVERIFY(app && app->program == "ed" && app->arguments == QStringList{"/a b/my.dat"} && beatsAtAnswer >= 5);
    }

    // The beep is the sound theme's bell; the X bell only when that cannot be played.
    // The alarm's notification: Ixo's icon and desktop entry; a body the server reads as markup is escaped.
    void notification()
    {
        for (const char* body : {"Tom &amp; Jerry &lt;b&gt;now", "Tom & Jerry <b>now"}) {
            const QVariantList call = notifyArguments(7, "Tom & Jerry <b>now", 0, QByteArray(body).contains(';'));
            QCOMPARE(call.mid(0, 6), (QVariantList{"Ixo", 7u, IXO_APP_ID, "Ixo", body, QStringList{"stop", "Stop"}}));
            QCOMPARE(call[6].toMap().value("desktop-entry"), IXO_APP_ID);
        }
    }

    void beepPlaysTheThemeBell()
    {
        FakeEventSound sounds;
        int xBells = 0;
        DesktopWindowServices windows(sounds, [&xBells] { ++xBells; });
        windows.beep();
        QVERIFY(sounds.played == QStringList{"bell"} && xBells == 0);
        sounds.playable = false;
        windows.beep();
        QVERIFY(sounds.played.size() == 2 && xBells == 1);
    }

    // Set, then clear, on each desktop named by XDG_CURRENT_DESKTOP: the commands run (a setting is a quoted
    // GVariant string, a URI on GNOME and Cinnamon); a bare window manager is measured in the changer scenario.
    void commandLines_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QStringList>("commands");
        const QString uri = "'file:///home/u/My%20Pictures/it\\'s.bmp'";
        const QString cinnamon = "gsettings|set|org.cinnamon.desktop.background|picture-uri",
                      mate = "gsettings|set|org.mate.background|picture-filename",
                      gnome = "gsettings|set|org.gnome.desktop.background|picture-uri";
        QTest::newRow("GNOME: the dark picture too")
            << "ubuntu:GNOME"
            << QStringList{gnome + '|' + uri, gnome + "-dark|" + uri, gnome + "|''", gnome + "-dark|''"};
        QTest::newRow("Cinnamon") << "X-Cinnamon" << QStringList{cinnamon + '|' + uri, cinnamon + "|''"};
        QTest::newRow("MATE: a path, not a URI")
            << "MATE" << QStringList{mate + "|'/home/u/My Pictures/it\\'s.bmp'", mate + "|''"};
        QTest::newRow("KDE: cleared through plasmashell's script")
            << "KDE"
            << QStringList{"plasma-apply-wallpaperimage|" + kPath,
                           "dbus-send|--session|--type=method_call|--dest=org.kde.plasmashell|/PlasmaShell|"
                           "org.kde.PlasmaShell.evaluateScript|string:desktops().forEach(function (d) {"
                           " d.wallpaperPlugin = 'org.kde.image';"
                           " d.currentConfigGroup = ['Wallpaper', 'org.kde.image', 'General'];"
                           " d.writeConfig('Image', ''); });"};
        const QString list = "xfconf-query|-c|xfce4-desktop|-l", set = "xfconf-query|-c|xfce4-desktop|-p|";
        const QString m0 = "/backdrop/screen0/monitorHDMI-1/workspace0/last-image|-s|";
        const QString m1 = "/backdrop/screen0/monitoreDP-1/workspace1/last-image|-s|";
        QTest::newRow("XFCE: every last-image property")
            << "foo:XFCE:GNOME" << QStringList{list, set + m0 + kPath, set + m1 + kPath, list, set + m0, set + m1};
    }
    void commandLines()
    {
        QFETCH(QString, desktop);
        FakeRunner runner;
        FakeRoot root;
        DesktopWallpaper wallpaper(DesktopWallpaper::desktopFrom(desktop), runner, root);
        wallpaper.setWallpaper(kPath), wallpaper.clearWallpaper();
        QTEST(runner.commands, "commands");
        QVERIFY(!root.painted);
    }
};

QTEST_GUILESS_MAIN(TestDesktopServices)
#include "test_desktop_services.moc"
