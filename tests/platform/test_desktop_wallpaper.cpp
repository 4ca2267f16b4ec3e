#include <QTest>

#include "platform/command_runner.h"
#include "platform/linux/desktop_wallpaper.h"

namespace {
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
                                "/backdrop/screen0/monitoreDP-1/workspace1/last-image\n/desktop-icons/style\n";
};

class FakeRoot final : public RootWindowPicture
{
public:
    bool paint(const QString& path) override { return painted.append(path), true; }
    bool clear() override { return painted.append("cleared"), true; }
    QStringList painted;
};

using D = DesktopWallpaper::Desktop;
const QString kPath = QStringLiteral("/home/u/My Pictures/it's.bmp");
} // namespace

class TestDesktopWallpaper : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void desktopFromEnvironment()
    {
        const QStringList values{"ubuntu:GNOME", "Budgie:GNOME",   "X-Cinnamon", "MATE",
                                 "KDE",          "foo:XFCE:GNOME", "i3",         ""};
        QList<D> desktops;
        for (const QString& value : values)
            desktops.append(DesktopWallpaper::desktopFrom(value));
        QCOMPARE(desktops,
                 (QList<D>{D::Gnome, D::Gnome, D::Cinnamon, D::Mate, D::Kde, D::Xfce, D::RootWindow, D::RootWindow}));
    }

    // Set, then clear, on each desktop: the commands run (a setting is a quoted GVariant string, a URI on GNOME
    // and Cinnamon), and what is painted on the root window.
    void commandLines_data()
    {
        QTest::addColumn<D>("desktop");
        QTest::addColumn<QStringList>("commands");
        const QString uri = "'file:///home/u/My%20Pictures/it\\'s.bmp'";
        const QString gnome = "gsettings|set|org.gnome.desktop.background|picture-uri",
                      cinnamon = "gsettings|set|org.cinnamon.desktop.background|picture-uri",
                      mate = "gsettings|set|org.mate.background|picture-filename";
        QTest::newRow("GNOME: light and dark picture")
            << D::Gnome << QStringList{gnome + '|' + uri, gnome + "-dark|" + uri, gnome + "|''", gnome + "-dark|''"};
        QTest::newRow("Cinnamon") << D::Cinnamon << QStringList{cinnamon + '|' + uri, cinnamon + "|''"};
        QTest::newRow("MATE: a path, not a URI")
            << D::Mate << QStringList{mate + "|'/home/u/My Pictures/it\\'s.bmp'", mate + "|''"};
        QTest::newRow("KDE") << D::Kde
                             << QStringList{"plasma-apply-wallpaperimage|" + kPath,
                                            "dbus-send|--session|--type=method_call|--dest=org.kde.plasmashell|"
                                            "/PlasmaShell|org.kde.PlasmaShell.evaluateScript|string:" +
                                                DesktopWallpaper::plasmaScript({})};
        const QString list = "xfconf-query|-c|xfce4-desktop|-l", set = "xfconf-query|-c|xfce4-desktop|-p|";
        const QString m0 = "/backdrop/screen0/monitorHDMI-1/workspace0/last-image|-s|";
        const QString m1 = "/backdrop/screen0/monitoreDP-1/workspace1/last-image|-s|";
        QTest::newRow("XFCE: every last-image property")
            << D::Xfce << QStringList{list, set + m0 + kPath, set + m1 + kPath, list, set + m0, set + m1};
        QTest::newRow("root window runs nothing") << D::RootWindow << QStringList{};
    }
    void commandLines()
    {
        QFETCH(D, desktop);
        FakeRunner runner;
        FakeRoot root;
        DesktopWallpaper wallpaper(desktop, runner, root);
        wallpaper.setWallpaper(kPath);
        wallpaper.clearWallpaper();
        QTEST(runner.commands, "commands");
        QCOMPARE(root.painted, desktop == D::RootWindow ? QStringList({kPath, "cleared"}) : QStringList());
        if (desktop == D::Xfce) { // without last-image properties it only lists them
            runner.commands.clear();
            runner.xfceProperties = "/backdrop/screen0/monitor0/image-path\n";
            wallpaper.setWallpaper(kPath);
            QCOMPARE(runner.commands.size(), 1);
        }
    }

    void plasmaScriptQuotesThePath()
    {
        QCOMPARE(DesktopWallpaper::plasmaScript("file:///a/it's\\x.bmp"),
                 "desktops().forEach(function (d) { d.wallpaperPlugin = 'org.kde.image';"
                 " d.currentConfigGroup = ['Wallpaper', 'org.kde.image', 'General'];"
                 " d.writeConfig('Image', 'file:///a/it\\'s\\\\x.bmp'); });");
    }
};

QTEST_GUILESS_MAIN(TestDesktopWallpaper)
#include "test_desktop_wallpaper.moc"
