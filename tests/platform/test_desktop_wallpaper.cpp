#include <QTest>

#include "platform/command_runner.h"
#include "platform/linux/desktop_wallpaper.h"

namespace {
// Records the commands; answers a listing of xfconf with `xfceProperties`.
class FakeRunner final : public CommandRunner
{
public:
    void run(const QString& program, const QStringList& arguments, Done done) override
    {
        commands.append(QStringList{program} + arguments);
        if (!done)
            return;
        Result result;
        result.started = true;
        result.exitCode = 0;
        result.output = xfceProperties;
        done(result);
    }
    QList<QStringList> commands;
    QByteArray xfceProperties;
};

class FakeRoot final : public RootWindowPicture
{
public:
    bool paint(const QString& path) override
    {
        painted.append(path);
        return true;
    }
    bool clear() override
    {
        painted.append(QString());
        return true;
    }
    QStringList painted;
};

using Commands = QList<QStringList>;
using D = DesktopWallpaper::Desktop;
const QString kPath = QStringLiteral("/home/u/My Pictures/it's.bmp");
const QString kUri = QStringLiteral("'file:///home/u/My%20Pictures/it\\'s.bmp'");
} // namespace

class TestDesktopWallpaper : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void desktopFromEnvironment_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<D>("desktop");
        QTest::newRow("Ubuntu") << "ubuntu:GNOME" << D::Gnome;
        QTest::newRow("Unity") << "Unity" << D::Gnome;
        QTest::newRow("Budgie") << "Budgie:GNOME" << D::Gnome;
        QTest::newRow("Cinnamon") << "X-Cinnamon" << D::Cinnamon;
        QTest::newRow("MATE") << "MATE" << D::Mate;
        QTest::newRow("KDE") << "KDE" << D::Kde;
        QTest::newRow("first known name wins") << "foo:XFCE:GNOME" << D::Xfce;
        QTest::newRow("window manager") << "i3" << D::RootWindow;
        QTest::newRow("unset") << "" << D::RootWindow;
    }
    void desktopFromEnvironment()
    {
        QFETCH(QString, value);
        QTEST(DesktopWallpaper::desktopFrom(value), "desktop");
    }

    void commandLines_data()
    {
        QTest::addColumn<D>("desktop");
        QTest::addColumn<bool>("clear");
        QTest::addColumn<Commands>("expected");
        const QString gs = "gsettings";
        const QString gnome = "org.gnome.desktop.background";
        QTest::newRow("GNOME set: light and dark picture")
            << D::Gnome << false
            << Commands{{gs, "set", gnome, "picture-uri", kUri}, {gs, "set", gnome, "picture-uri-dark", kUri}};
        QTest::newRow("GNOME clear") << D::Gnome << true
                                     << Commands{{gs, "set", gnome, "picture-uri", "''"},
                                                 {gs, "set", gnome, "picture-uri-dark", "''"}};
        QTest::newRow("Cinnamon set") << D::Cinnamon << false
                                      << Commands{{gs, "set", "org.cinnamon.desktop.background", "picture-uri", kUri}};
        QTest::newRow("Cinnamon clear") << D::Cinnamon << true
                                        << Commands{
                                               {gs, "set", "org.cinnamon.desktop.background", "picture-uri", "''"}};
        QTest::newRow("MATE set: a path, not a URI")
            << D::Mate << false
            << Commands{{gs, "set", "org.mate.background", "picture-filename", "'/home/u/My Pictures/it\\'s.bmp'"}};
        QTest::newRow("MATE clear") << D::Mate << true
                                    << Commands{{gs, "set", "org.mate.background", "picture-filename", "''"}};
        QTest::newRow("KDE set") << D::Kde << false << Commands{{"plasma-apply-wallpaperimage", kPath}};
        QTest::newRow("KDE clear")
            << D::Kde << true
            << Commands{{"dbus-send", "--session", "--type=method_call", "--dest=org.kde.plasmashell", "/PlasmaShell",
                         "org.kde.PlasmaShell.evaluateScript",
                         "string:desktops().forEach(function (d) { d.wallpaperPlugin = 'org.kde.image';"
                         " d.currentConfigGroup = ['Wallpaper', 'org.kde.image', 'General'];"
                         " d.writeConfig('Image', ''); });"}};
        const QStringList list{"xfconf-query", "-c", "xfce4-desktop", "-l"};
        const QString m0 = "/backdrop/screen0/monitorHDMI-1/workspace0/last-image";
        const QString m1 = "/backdrop/screen0/monitoreDP-1/workspace1/last-image";
        QTest::newRow("XFCE set: every last-image property")
            << D::Xfce << false
            << Commands{list,
                        {"xfconf-query", "-c", "xfce4-desktop", "-p", m0, "-s", kPath},
                        {"xfconf-query", "-c", "xfce4-desktop", "-p", m1, "-s", kPath}};
        QTest::newRow("XFCE clear") << D::Xfce << true
                                    << Commands{list,
                                                {"xfconf-query", "-c", "xfce4-desktop", "-p", m0, "-s", ""},
                                                {"xfconf-query", "-c", "xfce4-desktop", "-p", m1, "-s", ""}};
        QTest::newRow("root window runs nothing") << D::RootWindow << false << Commands{};
    }
    void commandLines()
    {
        QFETCH(D, desktop);
        QFETCH(bool, clear);
        QFETCH(Commands, expected);
        FakeRunner runner;
        runner.xfceProperties = "/backdrop/screen0/monitorHDMI-1/workspace0/color-style\n"
                                "/backdrop/screen0/monitorHDMI-1/workspace0/last-image\n"
                                "/backdrop/screen0/monitoreDP-1/workspace1/last-image\n"
                                "/desktop-icons/style\n";
        FakeRoot root;
        DesktopWallpaper wallpaper(desktop, runner, root);
        if (clear)
            wallpaper.clearWallpaper();
        else
            wallpaper.setWallpaper(kPath);
        QCOMPARE(runner.commands, expected);
        if (desktop == D::RootWindow)
            QCOMPARE(root.painted, QStringList{kPath});
        else
            QVERIFY(root.painted.isEmpty());
    }

    void xfceWithoutPropertiesOrTool()
    {
        FakeRunner runner;
        runner.xfceProperties = "/backdrop/screen0/monitor0/image-path\n";
        FakeRoot root;
        DesktopWallpaper(DesktopWallpaper::Desktop::Xfce, runner, root).setWallpaper(kPath);
        QCOMPARE(runner.commands.size(), 1);
    }

    void plasmaScriptQuotesThePath()
    {
        const QString script = DesktopWallpaper::plasmaScript("file:///a/it's\\x.bmp");
        QVERIFY(script.contains("d.writeConfig('Image', 'file:///a/it\\'s\\\\x.bmp')"));
    }
};

QTEST_GUILESS_MAIN(TestDesktopWallpaper)
#include "test_desktop_wallpaper.moc"
