// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QTemporaryDir>
#include <QTest>

#include "core/io/settings_file.h"
#include "core/startup/startup_load.h"
#include "core/state/front_order.h"
#include "core/state/shared_state.h"

namespace {
class RecordingHooks final : public StartupHooks
{
public:
    void loadAlarmFile(const QString& fileName) override { calls.append("load " + fileName); }
    void reloadAlarmFile(const QString&, const QTime&) override {}
    void loadWallpaperWindow() override { calls.append("wallpaper"); }
    void selectFontOption(qint16 choice) override { calls.append(QString("font %1").arg(choice)); }
    QStringList calls;
};
} // namespace

// The state the windows share: start-up and the front order.
class TestSharedState : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Start-up sets the defaults, then does what a settings file asks for (auto load, the wallpaper window, the
    // font option); without a file the Settings window is not even asked for its font option. The defaults the
    // end-to-end scenarios see (sound on, the tray icon, seconds compared, the ding) and the song path the clock's
    // tests use are not listed again.
    void startup()
    {
        for (const bool withFile : {false, true}) {
            QTemporaryDir dir;
            SharedState state;
            state.appPath = dir.path() + "/";
            if (withFile)
                QVERIFY(
                    state.settingsFile().writeSlots({{4, IniRecord{kSectionSetting, 0, 0, "ALAEOnDCWSOfUISPOfISOMOf"}},
                                                     {5, IniRecord{{}, 0, 0, "Check"}},
                                                     {8, IniRecord{kSectionAllFont, 0, 0, "TimesNewRoman"}}}));
            RecordingHooks hooks;
            loadStartupSettings(state, hooks);
            const QList<qint32> values{state.showSoundErrors, state.clockActive(), state.chimeMark,
                                       state.wallpaperMark,   state.frontHolder,   state.fontChoice};
            QCOMPARE(values, (QList<qint32>{true, false, -1, -1, 0, withFile ? 2 : 0}));
            QCOMPARE(hooks.calls, withFile ? QStringList({"load my.dat", "wallpaper", "font 2"}) : QStringList());
        }
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
        const qint32 in = kWhoMessageInput, ch = kWhoFileChooser;
        const qint32 warn = kWarningRankFirst, lastWarn = kWarningRankEnd - 1, msg = kMessageWindowNumberFirst;
        QTest::newRow("input over nobody") << 0 << in << in << true << 0;
        QTest::newRow("input under the chooser") << ch << in << ch << false << ch;
        QTest::newRow("the holder itself") << msg << msg << msg << true << 0;
        QTest::newRow("newer warning") << warn << warn + 1 << warn + 1 << true << 0;
        QTest::newRow("last warning under a message") << msg << lastWarn << msg << false << 0;
    }
    void frontClaimProtocol()
    {
        QFETCH(qint32, holder);
        QFETCH(qint32, claimant);
        SharedState state;
        FrontOrder front(state);
        QCOMPARE(front.claim(holder), 0);
        qint32 previousFront = 0;
        front.rememberPrevious(previousFront); // as the claimant comes
        QTEST(front.reclaim(claimant), "beep");
        QTEST(state.frontHolder, "result");
        QTEST(front.release(previousFront), "handBack");
        QCOMPARE(state.frontHolder, 0);
    }
};

QTEST_GUILESS_MAIN(TestSharedState)
#include "test_shared_state.moc"
