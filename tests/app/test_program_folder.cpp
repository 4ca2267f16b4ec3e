#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/command_line.h"
#include "app/program_folder.h"
#include "app/shared_state.h"

class TestProgramFolder : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Beside the executable unless it is installed: in a "bin" folder with "../share/ixo" beside it. Then the
    // program folder is $XDG_DATA_HOME/ixo when that is absolute, else ~/.local/share/ixo.
    void locate_data()
    {
        QTest::addColumn<QString>("executableFolder"); // "ROOT" stands for the test's root folder
        QTest::addColumn<QString>("dataHome");
        QTest::addColumn<QString>("appPath");
        QTest::addColumn<QString>("sharePath");
        const auto row = [](const char* name, const char* exe, const char* data, const char* app, const char* share) {
            QTest::newRow(name) << exe << data << app << share;
        };
        const char* home = "ROOT/home/.local/share/ixo/";
        row("build folder", "ROOT/build/bin", "", "ROOT/build/bin/", "ROOT/build/bin/");
        row("per-user install", home, "", home, home);
        row("installed", "ROOT/usr/bin", "", home, "ROOT/usr/share/ixo/");
        row("installed, folder with slash", "ROOT/usr/bin/", "", home, "ROOT/usr/share/ixo/");
        row("installed, XDG_DATA_HOME", "ROOT/usr/bin", "ROOT/data/", "ROOT/data/ixo/", "ROOT/usr/share/ixo/");
        row("installed, relative XDG_DATA_HOME ignored", "ROOT/usr/bin", "data", home, "ROOT/usr/share/ixo/");
        row("share/ixo beside a folder not named bin", "ROOT/usr/games", "", "ROOT/usr/games/", "ROOT/usr/games/");
        row("bin without share/ixo", "ROOT/opt/bin", "", "ROOT/opt/bin/", "ROOT/opt/bin/");
    }
    void locate()
    {
        QFETCH(QString, executableFolder);
        QFETCH(QString, dataHome);
        QTemporaryDir root;
        for (const char* folder : {"build/bin", "usr/bin", "usr/games", "usr/share/ixo", "opt/bin", "opt/share"})
            QVERIFY(QDir(root.path()).mkpath(folder));
        const auto rooted = [&root](QString path) { return path.replace("ROOT", root.path()); };
        const ProgramFolder folder =
            ProgramFolder::locate(rooted(executableFolder), rooted(dataHome), root.filePath("home"));
        const auto unrooted = [&root](QString path) { return path.replace(root.path(), "ROOT"); };
        QTEST(unrooted(folder.appPath), "appPath");
        QTEST(unrooted(folder.sharePath), "sharePath");
        QCOMPARE(folder.installed(), folder.appPath != folder.sharePath);
    }

    // The program folder is made on the first start, with its parents; a file in the way is reported.
    void create()
    {
        QTemporaryDir root;
        const ProgramFolder fresh{root.filePath("home/.local/share/ixo/"), root.filePath("usr/share/ixo/")};
        QString error;
        QVERIFY(fresh.create(&error) && QFileInfo(fresh.appPath).isDir() && fresh.create(&error));

        QVERIFY(QFile(root.filePath("file")).open(QIODevice::WriteOnly));
        const ProgramFolder blocked{root.filePath("file/ixo/"), fresh.sharePath};
        QVERIFY(!blocked.create(&error));
        QCOMPARE(error, "cannot create the program folder " + blocked.appPath);
    }

    // A delivered file comes from the program folder when the user put one there, else from the shared folder;
    // a program folder that is its own shared folder always answers with itself.
    void deliveredFile()
    {
        QTemporaryDir app, shared;
        Module1 state;
        state.strAppPath = app.path() + "/";
        state.strSharePath = shared.path() + "/";
        QVERIFY(QDir(app.path()).mkpath("help"));
        QVERIFY(QFile(app.filePath("help/achelp.html")).open(QIODevice::WriteOnly));
        state.setStartupDefaults();
        QCOMPARE(
            QStringList({state.deliveredFile("help/achelp.html"), state.deliveredFile("didi.snd"), state.strSongPath}),
            (QStringList{state.strAppPath + "help/achelp.html", state.strSharePath + "didi.snd",
                         state.strSharePath + "ding.wav"}));
        state.strSharePath = state.strAppPath;
        QCOMPARE(state.deliveredFile("didi.snd"), state.strAppPath + "didi.snd");
    }

    // --version and --help answer at once (the first of them wins); anything else is a usage error, except
    // what is left to the toolkit on the first reading: single-dash options and plain words.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("leaveToToolkit");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("unknown");
        using A = CommandLine::Action;
        QTest::newRow("none") << QStringList() << false << int(A::Run) << "";
        QTest::newRow("version") << QStringList{"--version"} << true << int(A::Version) << "";
        QTest::newRow("help") << QStringList{"--help"} << false << int(A::Help) << "";
        QTest::newRow("-h") << QStringList{"-h"} << true << int(A::Help) << "";
        QTest::newRow("help after version") << QStringList{"--version", "--help"} << true << int(A::Version) << "";
        QTest::newRow("help after a wrong one") << QStringList{"--bogus", "--help"} << true << int(A::Help) << "";
        QTest::newRow("unknown long option") << QStringList{"--verbose"} << true << int(A::Usage) << "--verbose";
        QTest::newRow("toolkit option, first reading") << QStringList{"-display", ":1"} << true << int(A::Run) << "";
        QTest::newRow("left over, second reading") << QStringList{"-x", "file"} << false << int(A::Usage) << "-x";
        QTest::newRow("lone double dash") << QStringList{"--"} << true << int(A::Usage) << "--";
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, leaveToToolkit);
        const CommandLine::Parsed parsed = CommandLine::parse(arguments, leaveToToolkit);
        QTEST(int(parsed.action), "action");
        QTEST(parsed.unknown, "unknown");
    }
};

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "test_program_folder.moc"
