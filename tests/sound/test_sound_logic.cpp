#include <functional>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/shared_state.h"
#include "fake_sound.h"
#include "fake_warnings.h"
#include "platform/modal_box.h"
#include "sound/sound_logic.h"
#include "sound/speaker_sweep.h"

namespace {
class FakeClockSwitch final : public ClockSwitch
{
public:
    bool isClockRunning() const override { return running; }
    void stopClock() override { running = false; }
    void startClock() override { running = true; }
    bool running = true;
};

// Records each box with the clock and tray state while it is open.
class RecordingBox final : public ModalBox
{
public:
    void showOk(const QString& text) override
    {
        shown.append(text);
        if (onShow)
            onShow();
    }
    QStringList shown;
    std::function<void()> onShow;
};
} // namespace

class TestSoundLogic : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_state = Module1{};
        m_state.strAppPath = m_dir->path() + QStringLiteral("/");
        m_state.setStartupDefaults();
        m_state.strNextAlarm = QStringLiteral("08:30:00");
        m_wave = FakeWave{};
        m_player = FakeWavePlayer{};
        m_mci = FakeMci{};
        m_speaker = FakeSpeaker{};
        m_box.shown.clear();
        m_box.onShow = nullptr;
        m_warnings.shown.clear();
        m_clock.running = true;
        m_events = 0;
        m_form9 = std::make_unique<Form9>(
            m_state, SoundServices{m_wave, m_player, m_mci, m_speaker, m_box, m_warnings, m_clock}, tuneCopy());
        m_form9->processEvents = [this] { ++m_events; };
    }

    void divisors_data()
    {
        QTest::addColumn<int>("frequency");
        QTest::addColumn<int>("divisor");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("2000 Hz") << 2000 << 597 << 85 << 2;
        QTest::newRow("1000 Hz") << 1000 << 1193 << 169 << 4;
        QTest::newRow("550 Hz") << 550 << 2170 << 122 << 8;
    }
    void divisors()
    {
        QFETCH(int, frequency);
        QFETCH(int, divisor);
        QFETCH(int, low);
        QFETCH(int, high);
        QCOMPARE(speakerDivisor(frequency), divisor);
        QCOMPARE(divisor & 255, low);
        QCOMPARE(divisor / 256, high);
    }

    void sweepFallsFrom2000To550()
    {
        const QList<SpeakerTone> sweep = speakerSweep();
        QCOMPARE(sweep.size(), 30);
        for (int i = 0; i < sweep.size(); ++i) {
            const int nominal = 2000 - 50 * i;
            QCOMPARE(sweep[i].frequency, kSpeakerTimerClock / speakerDivisor(nominal));
            QVERIFY(qAbs(sweep[i].frequency - nominal) < nominal * 0.002);
            QCOMPARE(sweep[i].milliseconds, kSweepToneMs);
        }
    }

    // Sound off: nothing at all, even for a missing wave file.
    void soundOffDoesNothing()
    {
        m_state.bSoundOn = kFalse;
        m_state.bUseInternalSpeaker = kTrue;
        m_state.strSongPath = m_dir->filePath(QStringLiteral("missing.wav"));
        m_form9->PlaySound(QStringLiteral("repeat"), m_state.strSongPath);
        QVERIFY(m_wave.calls.isEmpty());
        QVERIFY(m_player.calls.isEmpty());
        QVERIFY(m_mci.commands.isEmpty());
        QVERIFY(m_speaker.sweeps.isEmpty());
        QVERIFY(m_box.shown.isEmpty());
        QVERIFY(m_warnings.shown.isEmpty());
        QCOMPARE(m_state.bISRepeat, kFalse);
    }

    void playableWaveStopsChannelThenPlays()
    {
        const QString wave = writeSong();
        m_form9->PlaySound(QStringLiteral("twice"), wave);
        QCOMPARE(m_wave.calls, QStringList{QString()});
        QCOMPARE(m_player.calls, (QList<QStringList>{{QStringLiteral("twice"), wave}}));
        QVERIFY(m_mci.commands.isEmpty());
        QVERIFY(m_box.shown.isEmpty());
        QVERIFY(m_speaker.sweeps.isEmpty());
    }

    void speakerPlayTimes_data()
    {
        QTest::addColumn<QString>("times");
        QTest::addColumn<int>("sweeps");
        QTest::addColumn<Flag>("repeat");
        QTest::newRow("once") << QStringLiteral("once") << 1 << kFalse;
        QTest::newRow("twice") << QStringLiteral("twice") << 2 << kFalse;
        QTest::newRow("thrice") << QStringLiteral("thrice") << 3 << kFalse;
        QTest::newRow("repeat: one sweep per tick later") << QStringLiteral("repeat") << 0 << kTrue;
        QTest::newRow("case counts") << QStringLiteral("Twice") << 0 << kFalse;
        QTest::newRow("empty") << QString() << 0 << kFalse;
    }
    // The speaker chosen and present: sweeps only, no wave; events run after each sweep.
    void speakerPlayTimes()
    {
        QFETCH(QString, times);
        QFETCH(int, sweeps);
        QFETCH(Flag, repeat);
        m_state.bUseInternalSpeaker = kTrue;
        m_form9->PlaySound(times, writeSong());
        QCOMPARE(m_speaker.sweeps.size(), sweeps);
        for (const QList<SpeakerTone>& sweep : std::as_const(m_speaker.sweeps))
            QCOMPARE(sweep, speakerSweep());
        QCOMPARE(m_events, sweeps);
        QCOMPARE(m_state.bISRepeat, repeat);
        QVERIFY(m_wave.calls.isEmpty());
        QVERIFY(m_player.calls.isEmpty());
    }

    void speakerMissingWarnsThenPlaysWave()
    {
        m_state.bUseInternalSpeaker = kTrue;
        m_speaker.present = false;
        m_form9->PlaySound(QStringLiteral("once"), writeSong());
        QCOMPARE(m_warnings.shown, QStringList{Form9::speakerWarningText()});
        QCOMPARE(Form9::speakerWarningText(),
                 QStringLiteral("cannot play sound from internal speaker, refer to trouble shooting in help"));
        QCOMPARE(m_player.calls.size(), 1);
        QVERIFY(m_speaker.sweeps.isEmpty());
    }

    // A missing wave is reported whatever the options, its path less a fixed 7 characters; the clock and the tray are
    // off while the box is open.
    void missingWaveShowsBox()
    {
        m_state.strSongPath = QStringLiteral("/home/user/ixo/ding.wav");
        m_player.playable = false;
        bool clockDuringBox = true;
        Flag trayDuringBox = kTrue;
        m_box.onShow = [&] {
            clockDuringBox = m_clock.running;
            trayDuringBox = m_state.bTrayActive;
        };
        m_form9->PlaySound(QStringLiteral("once"), m_state.strSongPath);
        QCOMPARE(m_box.shown, QStringList{QStringLiteral("ser/ixo/ding.wav, wave file not found, alarm at 08:30:00")});
        QVERIFY(!clockDuringBox);
        QCOMPARE(trayDuringBox, kFalse);
        QVERIFY(m_clock.running);
        QCOMPARE(m_state.bTrayActive, kTrue);
        QVERIFY(m_mci.commands.isEmpty());
    }

    void boxLeavesDisabledClockStopped()
    {
        m_clock.running = false;
        m_state.strSongPath = m_dir->filePath(QStringLiteral("missing.wav"));
        m_player.playable = false;
        m_form9->PlaySound(QStringLiteral("once"), m_state.strSongPath);
        QCOMPARE(m_box.shown.size(), 1);
        QVERIFY(!m_clock.running);
        QCOMPARE(m_state.bTrayActive, kTrue);
    }

    // An existing wave that cannot be played falls back to the tune, copied to the private file first.
    void unplayableWavePlaysTune()
    {
        const QString wave = writeSong();
        writeFile(m_state.strAppPath + QStringLiteral("air.mid"), "MThd new tune");
        m_player.playable = false;
        m_form9->PlaySound(QStringLiteral("thrice"), wave);
        const QStringList expected{QStringLiteral("close tmpMidiPlay"),
                                   QStringLiteral("open ") + tuneCopy() +
                                       QStringLiteral(" type sequencer alias tmpMidiPlay"),
                                   QStringLiteral("play tmpMidiPlay")};
        QCOMPARE(m_mci.commands, expected);
        QVERIFY(m_box.shown.isEmpty());
        QFile copy(tuneCopy());
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), QByteArray("MThd new tune"));
        QCOMPARE(QFile::permissions(QFileInfo(tuneCopy()).path()), QFile::ReadOwner | QFile::WriteOwner |
                                                                       QFile::ExeOwner | QFile::ReadUser |
                                                                       QFile::WriteUser | QFile::ExeUser);
    }

    void tuneMissingPlaysOlderCopyOrReports_data()
    {
        QTest::addColumn<int>("playResult");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("older copy plays") << 0 << QStringList{};
        QTest::newRow("nothing to play") << 7
                                         << QStringList{QStringLiteral(
                                                "Error found, Sound cannot be played, alarm at 08:30:00")};
    }
    void tuneMissingPlaysOlderCopyOrReports()
    {
        QFETCH(int, playResult);
        QFETCH(QStringList, boxes);
        QVERIFY(QDir().mkpath(QFileInfo(tuneCopy()).path()));
        writeFile(tuneCopy(), "MThd older");
        m_mci.results.insert(QStringLiteral("play tmpMidiPlay"), playResult);
        m_player.playable = false;
        m_form9->PlaySound(QStringLiteral("once"), writeSong());
        QCOMPARE(m_mci.commands.size(), 3);
        QCOMPARE(m_box.shown, boxes);
        QCOMPARE(m_state.bTrayActive, kTrue);
        QVERIFY(m_clock.running);
        QFile copy(tuneCopy());
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), QByteArray("MThd older"));
    }

    void errorMessageOffIsSilent()
    {
        m_state.bErrMsgPop = kFalse;
        m_player.playable = false;
        m_form9->PlaySound(QStringLiteral("once"), writeSong());
        QVERIFY(m_mci.commands.isEmpty());
        QVERIFY(m_box.shown.isEmpty());
        QVERIFY(m_warnings.shown.isEmpty());
    }

    void speakerInsteadOfTune_data()
    {
        QTest::addColumn<bool>("speakerPresent");
        QTest::addColumn<bool>("songExists");
        QTest::addColumn<int>("sweeps");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<int>("mciCommands");
        QTest::addColumn<int>("warnings");
        QTest::newRow("speaker present") << true << true << 2 << 0 << 0 << 0;
        QTest::newRow("speaker missing: tune, then warning") << false << true << 0 << 0 << 3 << 1;
        QTest::newRow("speaker and song missing: box, then warning") << false << false << 0 << 1 << 0 << 1;
    }
    void speakerInsteadOfTune()
    {
        QFETCH(bool, speakerPresent);
        QFETCH(bool, songExists);
        QFETCH(int, sweeps);
        QFETCH(int, boxes);
        QFETCH(int, mciCommands);
        QFETCH(int, warnings);
        m_state.bISInsteadMidi = kTrue;
        m_speaker.present = speakerPresent;
        m_player.playable = false;
        if (songExists)
            writeSong();
        else
            m_state.strSongPath = m_dir->filePath(QStringLiteral("gone.wav"));
        m_form9->PlaySound(QStringLiteral("twice"), m_state.strSongPath);
        QCOMPARE(m_speaker.sweeps.size(), sweeps);
        QCOMPARE(m_box.shown.size(), boxes);
        QCOMPARE(m_mci.commands.size(), mciCommands);
        QCOMPARE(m_warnings.shown.size(), warnings);
    }

private:
    QString tuneCopy() const { return m_dir->filePath(QStringLiteral("cache/Ixo/air.mid")); }
    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString writeSong()
    {
        m_state.strSongPath = m_state.strAppPath + QStringLiteral("ding.wav");
        writeFile(m_state.strSongPath, "RIFF");
        return m_state.strSongPath;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    Module1 m_state;
    FakeWave m_wave;
    FakeWavePlayer m_player;
    FakeMci m_mci;
    FakeSpeaker m_speaker;
    RecordingBox m_box;
    FakeWarnings m_warnings;
    FakeClockSwitch m_clock;
    int m_events = 0;
    std::unique_ptr<Form9> m_form9;
};

QTEST_GUILESS_MAIN(TestSoundLogic)
#include "test_sound_logic.moc"
