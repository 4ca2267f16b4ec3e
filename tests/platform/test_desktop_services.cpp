// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "platform/command_runner.h"
#include "platform/event_sound.h"
#include "platform/linux/desktop_launcher.h"
#include "platform/linux/desktop_wallpaper.h"
#include "platform/linux/desktop_window_services.h"
#include "platform/linux/xdg_autostart.h"

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
} // namespace

// The desktop services of the Linux platform layer: opening files, the beep, the wallpaper on each desktop and
// the start at log-in.
class TestDesktopServices : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The entry goes to $XDG_CONFIG_HOME/autostart, passes desktop-file-validate, runs this executable (quoted and
    // escaped), and goes again on removal; a relative or multi-line path, or no folder, is refused with a reason.
    void writesValidatesAndRemoves()
    {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        QCOMPARE(XdgAutostart::defaultConfigHome(), config.path());
        const QString exe = config.filePath("my \"apps\" $1/Ixo 100%");
        XdgAutostart autostart(XdgAutostart::defaultConfigHome(), exe);
        const QString entry = config.path() + "/autostart/Ixo.exe.desktop";
        QVERIFY(!autostart.isEnabled());

        QString error;
        QVERIFY2(autostart.enable(&error) && autostart.isEnabled(), qPrintable(error));
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("\nExec=\"" + config.path().toUtf8() + "/my \\\\\"apps\\\\\" \\\\$1/Ixo 100%%\"\n"));

        const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
        QVERIFY2(!validator.isEmpty(), "desktop-file-validate is missing (scripts/install-deps installs it)");
        QProcess validate;
        validate.start(validator, {entry});
        QVERIFY(validate.waitForFinished());
        const QByteArray report = validate.readAllStandardOutput() + validate.readAllStandardError();
        QVERIFY2(validate.exitCode() == 0 && report.isEmpty(), report.constData());

        QVERIFY(autostart.disable(&error) && !QFile::exists(entry));
        QVERIFY(autostart.disable(&error)); // nothing left to remove still counts as done
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(XdgAutostart::defaultConfigHome(), QDir::homePath() + "/.config");

        QVERIFY(!XdgAutostart(config.path(), "ixo").enable(&error));
        QVERIFY(!XdgAutostart(config.path(), "/opt/a\nb/ixo").enable(&error));
        QVERIFY(QDir(config.path()).rmdir("autostart") &&
                QFile(config.filePath("autostart")).open(QIODevice::WriteOnly));
        error.clear();
        QVERIFY(!autostart.enable(&error) && !error.isEmpty() &&
                !autostart.isEnabled()); // a file in the folder's place
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

    // The beep is the sound theme's bell; the X bell only when that cannot be played.
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
    // GVariant string, a URI on Cinnamon); GNOME and a bare window manager are measured in the wallpaper scenario.
    void commandLines_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QStringList>("commands");
        const QString uri = "'file:///home/u/My%20Pictures/it\\'s.bmp'";
        const QString cinnamon = "gsettings|set|org.cinnamon.desktop.background|picture-uri",
                      mate = "gsettings|set|org.mate.background|picture-filename";
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
        wallpaper.setWallpaper(kPath);
        wallpaper.clearWallpaper();
        QTEST(runner.commands, "commands");
        QVERIFY(!root.painted);
    }
};

QTEST_GUILESS_MAIN(TestDesktopServices)
#include "test_desktop_services.moc"
