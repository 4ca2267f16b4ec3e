#include <QTemporaryDir>
#include <QTest>

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

class TestSharedState : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Start-up sets the defaults, then does what a settings file asks for (auto load, the wallpaper window, the
    // font option); without a file the Settings window is not even asked for its font option.
    void startup_data()
    {
        QTest::addColumn<bool>("withFile");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<int>("font");
        QTest::newRow("no settings file") << false << QStringList() << 0;
        QTest::newRow("auto load, wallpaper, font 2") << true << QStringList{"load my.dat", "wallpaper", "font 2"} << 2;
    }
    void startup()
    {
        QFETCH(bool, withFile);
        QTemporaryDir dir;
        Module1 state;
        state.strAppPath = dir.path() + "/";
        IniRecord slot4, slot5, slot8;
        slot4.sSection = kSectionSetting;
        slot4.sData = "ALAEOnDCWSOfUISPOfISOMOf";
        slot5.sData = "Check";
        slot8.sSection = kSectionAllFont;
        slot8.sData = "TimesNewRoman";
        if (withFile)
            QVERIFY(state.settingsFile().writeSlots({{4, slot4}, {5, slot5}, {8, slot8}}));
        RecordingHooks hooks;
        fForm1Load(state, hooks);
        const QList<Flag> flags{state.bSoundOn,  state.bErrMsgPop,          state.bTrayActive,    state.bRefreshNext,
                                state.bNoSecond, state.bUseInternalSpeaker, state.bISInsteadMidi, state.bClockActive()};
        QCOMPARE(flags, (QList<Flag>{kTrue, kTrue, kTrue, kTrue, kFalse, kFalse, kFalse, kFalse}));
        QCOMPARE(QList<qint32>({state.iEMNext, state.iWPNext, state.lForegroundWho}), QList<qint32>({-1, -1, 0}));
        QCOMPARE(state.strSongPath, dir.path() + "/ding.wav");
        QTEST(hooks.calls, "calls");
        QTEST(int(state.iFontChoice), "font");
    }

    void appPathHasExactlyOneSlash_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain folder") << QString("/opt/ixo") << QString("/opt/ixo/");
        QTest::newRow("with slash") << QString("/opt/ixo/") << QString("/opt/ixo/");
        QTest::newRow("doubled slash") << QString("/opt/ixo//") << QString("/opt/ixo/");
        QTest::newRow("root") << QString("/") << QString("/");
    }
    void appPathHasExactlyOneSlash()
    {
        QFETCH(QString, folder);
        QTEST(appPathFromFolder(folder), "expected");
    }

    // The counters wrap: the 1,000,001st message window and the 999,001st warning start again.
    void countersWrap()
    {
        Module1 state;
        state.setStartupDefaults();
        QCOMPARE(state.takeMsgWinNumber(), 2000000);
        QCOMPARE(state.takeMsgWinNumber(), 2000001);
        state.lMsgWinSeq = 2999999;
        QCOMPARE(state.takeMsgWinNumber(), 2999999);
        QCOMPARE(state.takeMsgWinNumber(), 2000000);

        QCOMPARE(state.takeWarnRank(), 1000000);
        state.lWarnSeq = 1998999;
        QCOMPARE(state.takeWarnRank(), 1998999);
        QCOMPARE(state.takeWarnRank(), 1000000);
    }
};

QTEST_GUILESS_MAIN(TestSharedState)
#include "test_shared_state.moc"
