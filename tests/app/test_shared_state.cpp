#include <QTemporaryDir>
#include <QTest>

#include "app/shared_state.h"
#include "app/startup_load.h"
#include "settings/settings_file.h"

namespace {
class RecordingHooks final : public StartupHooks
{
public:
    void loadAlarmFile(const QString& fileName) override { loaded.append(fileName); }
    void loadWallpaperWindow() override { ++wallpaperLoads; }
    void selectFontOption(qint16 choice) override { fontOptions.append(choice); }
    QStringList loaded;
    int wallpaperLoads = 0;
    QList<qint16> fontOptions;
};
} // namespace

class TestSharedState : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Right after start-up with no settings file.
    void startupWithoutSettingsFile()
    {
        QTemporaryDir dir;
        Module1 state;
        state.strAppPath = dir.path() + QStringLiteral("/");
        RecordingHooks hooks;
        fForm1Load(state, hooks);
        const QList<Flag> flags{state.bSoundOn,  state.bErrMsgPop,          state.bTrayActive,    state.bRefreshNext,
                                state.bNoSecond, state.bUseInternalSpeaker, state.bISInsteadMidi, state.bClockActive};
        QCOMPARE(flags, (QList<Flag>{kTrue, kTrue, kTrue, kTrue, kFalse, kFalse, kFalse, kFalse}));
        QCOMPARE(state.iEMNext, qint16(-1));
        QCOMPARE(state.iWPNext, qint16(-1));
        QCOMPARE(state.lForegroundWho, 0);
        QCOMPARE(state.strSongPath, dir.path() + QStringLiteral("/ding.wav"));
        QVERIFY(hooks.loaded.isEmpty());
        QVERIFY(hooks.fontOptions.isEmpty()); // the Settings window is not created
        QCOMPARE(state.iFontChoice, qint16(0));
    }

    void startupWithSettingsFile()
    {
        QTemporaryDir dir;
        Module1 state;
        state.strAppPath = dir.path() + QStringLiteral("/");
        IniRecord slot4;
        slot4.sSection = kSectionSetting;
        slot4.sData = QStringLiteral("ALAEOnDCWSOfUISPOfISOMOf");
        IniRecord slot5;
        slot5.sData = QStringLiteral("Check");
        IniRecord slot8;
        slot8.sSection = kSectionAllFont;
        slot8.sData = QStringLiteral("TimesNewRoman");
        QVERIFY(state.settingsFile().writeSlots({{4, slot4}, {5, slot5}, {8, slot8}}));
        RecordingHooks hooks;
        fForm1Load(state, hooks);
        QCOMPARE(hooks.loaded, QStringList{QStringLiteral("my.dat")});
        QCOMPARE(hooks.wallpaperLoads, 1);
        QCOMPARE(hooks.fontOptions, QList<qint16>{2});
        QCOMPARE(state.iFontChoice, qint16(2));
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
