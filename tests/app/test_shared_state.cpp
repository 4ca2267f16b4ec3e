#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/command_line.h"
#include "app/front_order.h"
#include "app/program_folder.h"
#include "app/shared_state.h"
#include "app/startup_load.h"
#include "settings/settings_file.h"

namespace {
class RecordingHooks final : public StartupHooks
{
public:
    void loadAlarmFile(const QString& fileName) override { calls.append("load " + fileName); }
    void loadWallpaperWindow() override { calls.append("wallpaper"); }
    void selectFontOption(qint16 choice) override { calls.append(QString("font %1").arg(choice)); }
    QStringList calls;
};
} // namespace

// The state the windows share: start-up, the program folder and its path, the command line, the counters and
// the front order.
class TestSharedState : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Start-up sets the defaults, then does what a settings file asks for (auto load, the wallpaper window, the
    // font option); without a file the Settings window is not even asked for its font option.
    void startup()
    {
        for (const bool withFile : {false, true}) {
            QTemporaryDir dir;
            Module1 state;
            state.strAppPath = dir.path() + "/";
            if (withFile)
                QVERIFY(
                    state.settingsFile().writeSlots({{4, IniRecord{kSectionSetting, 0, 0, "ALAEOnDCWSOfUISPOfISOMOf"}},
                                                     {5, IniRecord{{}, 0, 0, "Check"}},
                                                     {8, IniRecord{kSectionAllFont, 0, 0, "TimesNewRoman"}}}));
            RecordingHooks hooks;
            fForm1Load(state, hooks);
            const QList<qint32> values{state.bSoundOn,       state.bErrMsgPop,     state.bTrayActive,
                                       state.bRefreshNext,   state.bNoSecond,      state.bUseInternalSpeaker,
                                       state.bISInsteadMidi, state.bClockActive(), state.iEMNext,
                                       state.iWPNext,        state.lForegroundWho, state.iFontChoice};
            QCOMPARE(values, (QList<qint32>{kTrue, kTrue, kTrue, kTrue, kFalse, kFalse, kFalse, kFalse, -1, -1, 0,
                                            withFile ? 2 : 0}));
            QCOMPARE(state.strSongPath, dir.path() + "/ding.wav");
            QCOMPARE(hooks.calls, withFile ? QStringList({"load my.dat", "wallpaper", "font 2"}) : QStringList());
        }
        QCOMPARE(QStringList({appPathFromFolder("/opt/ixo"), appPathFromFolder("/opt/ixo//"), appPathFromFolder("/")}),
                 (QStringList{"/opt/ixo/", "/opt/ixo/", "/"}));
    }

    // The counters wrap: the 1,000,001st message window and the 999,001st warning start again.
    void countersWrap()
    {
        Module1 state;
        state.setStartupDefaults();
        QCOMPARE(QList<qint32>({state.takeMsgWinNumber(), state.takeMsgWinNumber(), state.takeWarnRank()}),
                 QList<qint32>({2000000, 2000001, 1000000}));
        state.lMsgWinSeq = 2999999;
        state.lWarnSeq = 1998999;
        QCOMPARE(QList<qint32>(
                     {state.takeMsgWinNumber(), state.takeMsgWinNumber(), state.takeWarnRank(), state.takeWarnRank()}),
                 QList<qint32>({2999999, 2000000, 1998999, 1000000}));
    }

    // A window that lost the activation (claimant) takes the front back with a beep unless a higher code holds
    // it; when it goes, it hands the front back to what held it when it came, if that is a dialog.
    void frontClaimProtocol_data()
    {
        QTest::addColumn<qint32>("holder");
        QTest::addColumn<qint32>("claimant");
        QTest::addColumn<qint32>("result");
        QTest::addColumn<bool>("beep");
        QTest::addColumn<qint32>("handBack");
        const qint32 in = kWhoMessageInput, ch = kWhoFileChooser, ow = kWhoOverwrite;
        const qint32 warn = kWarnSeqFirst, lastWarn = kWarnSeqEnd - 1, msg = kMsgWinSeqFirst;
        QTest::newRow("input over nobody") << 0 << in << in << true << 0;
        QTest::newRow("input keeps its own claim") << in << in << in << true << in;
        QTest::newRow("input under the chooser") << ch << in << ch << false << ch;
        QTest::newRow("chooser over the input") << in << ch << ch << true << in;
        QTest::newRow("chooser under overwrite") << ow << ch << ow << false << ow;
        QTest::newRow("overwrite over the chooser") << ch << ow << ow << true << ch;
        QTest::newRow("overwrite under a warning") << warn << ow << warn << false << 0;
        QTest::newRow("warning over overwrite") << ow << warn << warn << true << ow;
        QTest::newRow("warning keeps its own rank") << warn << warn << warn << true << 0;
        QTest::newRow("newer warning") << warn << warn + 1 << warn + 1 << true << 0;
        QTest::newRow("older warning") << warn + 1 << warn << warn + 1 << false << 0;
        QTest::newRow("last warning under a message") << msg << lastWarn << msg << false << 0;
        QTest::newRow("message over the last warning") << lastWarn << msg << msg << true << 0;
        QTest::newRow("message keeps its own number") << msg + 1 << msg + 1 << msg + 1 << true << 0;
        QTest::newRow("older message") << msg + 1 << msg << msg + 1 << false << 0;
    }
    void frontClaimProtocol()
    {
        QFETCH(qint32, holder);
        QFETCH(qint32, claimant);
        Module1 state;
        state.lForegroundWho = holder;
        FrontOrder front(state);
        QTEST(front.reclaim(claimant), "beep");
        QTEST(state.lForegroundWho, "result");
        QTEST(front.release(holder), "handBack");
        QCOMPARE(state.lForegroundWho, 0);
    }

    // A dialog claims the front as it comes; what it hands back is remembered from its first opening on.
    void frontOpeningClaimKeepsTheFirstPrevious()
    {
        Module1 state;
        FrontOrder front(state);
        qint32 prevWho = 0;
        state.lForegroundWho = kWhoFileChooser;
        front.rememberPrevious(prevWho);
        QCOMPARE(front.claim(kWhoOverwrite), kWhoFileChooser);
        front.rememberPrevious(prevWho);
        QCOMPARE(QList<qint32>({prevWho, front.holder()}), QList<qint32>({kWhoFileChooser, kWhoOverwrite}));
    }

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

QTEST_GUILESS_MAIN(TestSharedState)
#include "test_shared_state.moc"
