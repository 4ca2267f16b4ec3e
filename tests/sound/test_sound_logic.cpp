#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/shared_state.h"
#include "fake_sound.h"
#include "fake_warnings.h"
#include "sound/sound_logic.h"
#include "sound/speaker_sweep.h"

namespace {
QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
} // namespace

class TestSoundLogic : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_state = Module1{};
        m_state.strAppPath = m_dir->path() + "/";
        m_state.setStartupDefaults();
        m_state.strNextAlarm = "08:30:00";
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
        QTest::newRow("2000 Hz") << 2000 << 597;
        QTest::newRow("1000 Hz") << 1000 << 1193;
        QTest::newRow("550 Hz") << 550 << 2170;
    }
    void divisors()
    {
        QFETCH(int, frequency);
        QTEST(speakerDivisor(frequency), "divisor");
    }

    // What one alarm sound does with each set of options: `options` lists the switches off (sound, errors) or on
    // (speaker, midiSpeaker), the missing speaker (noSpeaker) and a failing tune (noTune). The outcome lists the
    // outputs used: the wave channel stopped, the wave played, speaker sweeps, the tune, boxes and warnings.
    void outcome_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("song");
        QTest::addColumn<QString>("outcome");
        const auto row = [](const char* name, const char* options, const char* song, const QString& outcome) {
            QTest::newRow(name) << QString(options) << QString(song) << outcome;
        };
        const char* cannot = "box:Error found, Sound cannot be played, alarm at 08:30:00";
        row("plays the wave", "", "ok", "stop wave:twice");
        row("sound off: nothing, even for a missing file", "soundOff speaker", "missing", "");
        row("speaker missing: warning, then the wave", "speaker noSpeaker", "ok", "stop wave:twice warning");
        row("missing: box, no tune", "", "missing",
            "stop wave:twice box:<song>, wave file not found, alarm at 08:30:00");
        row("unplayable: the tune", "", "unplayable", "stop wave:twice tune");
        row("unplayable, tune fails: box", "noTune", "unplayable", QString("stop wave:twice tune %1").arg(cannot));
        row("unplayable, error messages off: silence", "errorsOff", "unplayable", "stop wave:twice");
        row("speaker instead of the tune", "midiSpeaker", "unplayable", "stop wave:twice sweep sweep");
        row("speaker instead, missing: tune and warning", "midiSpeaker noSpeaker", "unplayable",
            "stop wave:twice tune warning");
        row("speaker instead, missing, no file: box and warning", "midiSpeaker noSpeaker", "missing",
            "stop wave:twice box:<song>, wave file not found, alarm at 08:30:00 warning");
    }
    void outcome()
    {
        QFETCH(QString, options);
        QFETCH(QString, song);
        const QStringList option = options.split(' ', Qt::SkipEmptyParts);
        m_state.bSoundOn = toFlag(!option.contains("soundOff"));
        m_state.bErrMsgPop = toFlag(!option.contains("errorsOff"));
        m_state.bUseInternalSpeaker = toFlag(option.contains("speaker"));
        m_state.bISInsteadMidi = toFlag(option.contains("midiSpeaker"));
        m_speaker.present = !option.contains("noSpeaker");
        if (option.contains("noTune"))
            m_mci.results.insert("play tmpMidiPlay", 7);
        m_state.strSongPath = m_state.strAppPath + "ding.wav";
        if (song != "missing")
            writeSong();
        m_player.playable = song == "ok";
        m_form9->PlaySound("twice", m_state.strSongPath);

        QStringList used;
        for (const QString& call : std::as_const(m_wave.calls))
            used << (call.isEmpty() ? "stop" : "channel:" + call);
        for (const QStringList& call : std::as_const(m_player.calls))
            used << "wave:" + call.first();
        used << QStringList(m_speaker.sweeps.size(), "sweep");
        if (m_mci.commands.contains("play tmpMidiPlay"))
            used << "tune";
        for (const QString& text : std::as_const(m_box.shown))
            used << "box:" + text;
        used << QStringList(m_warnings.shown.size(), "warning");
        QFETCH(QString, outcome);
        QCOMPARE(used.join(' '), outcome.replace("<song>", m_state.strSongPath.mid(7)));
        QVERIFY(m_clock.running);
        QCOMPARE(m_state.bTrayActive, kTrue);
        QCOMPARE(m_state.bISRepeat, kFalse);
    }

    void speakerPlayTimes_data()
    {
        QTest::addColumn<QString>("times");
        QTest::addColumn<int>("sweeps");
        QTest::addColumn<Flag>("repeat");
        QTest::newRow("once") << "once" << 1 << kFalse;
        QTest::newRow("twice") << "twice" << 2 << kFalse;
        QTest::newRow("thrice") << "thrice" << 3 << kFalse;
        QTest::newRow("repeat: one sweep per tick later") << "repeat" << 0 << kTrue;
        QTest::newRow("case counts") << "Twice" << 0 << kFalse;
    }
    // The speaker chosen and present: sweeps only, no wave; events run after each sweep.
    void speakerPlayTimes()
    {
        QFETCH(QString, times);
        QFETCH(int, sweeps);
        m_state.bUseInternalSpeaker = kTrue;
        m_form9->PlaySound(times, writeSong());
        QCOMPARE(m_speaker.sweeps, QList<QList<SpeakerTone>>(sweeps, speakerSweep()));
        QCOMPARE(m_events, sweeps);
        QTEST(m_state.bISRepeat, "repeat");
        QVERIFY(m_wave.calls.isEmpty());
        QVERIFY(m_player.calls.isEmpty());
    }

    // The box holds the clock and the tray while it is open and gives back only what was running.
    void boxStopsClockAndTrayWhileOpen_data()
    {
        QTest::addColumn<bool>("clockRunning");
        QTest::newRow("clock running") << true;
        QTest::newRow("clock disabled") << false;
    }
    void boxStopsClockAndTrayWhileOpen()
    {
        QFETCH(bool, clockRunning);
        m_clock.running = clockRunning;
        m_player.playable = false;
        bool clockDuringBox = true;
        Flag trayDuringBox = kTrue;
        m_box.onShow = [&] {
            clockDuringBox = m_clock.running;
            trayDuringBox = m_state.bTrayActive;
        };
        m_state.strSongPath = m_dir->filePath("missing.wav");
        m_form9->PlaySound("once", m_state.strSongPath);
        QCOMPARE(m_box.shown.size(), 1);
        QVERIFY(!clockDuringBox);
        QCOMPARE(trayDuringBox, kFalse);
        QCOMPARE(m_clock.running, clockRunning);
        QCOMPARE(m_state.bTrayActive, kTrue);
    }

    // The tune is copied to the private file (folder for the user alone) before it plays; without a tune in the
    // program folder the older copy plays.
    void tuneIsCopiedPrivately()
    {
        m_player.playable = false;
        QFile::copy(writeSong(), m_state.strAppPath + "air.mid");
        m_form9->PlaySound("once", m_state.strSongPath);
        QCOMPARE(m_mci.commands,
                 (QStringList{"close tmpMidiPlay", "open " + tuneCopy() + " type sequencer alias tmpMidiPlay",
                              "play tmpMidiPlay"}));
        QCOMPARE(readAll(tuneCopy()), QByteArray("RIFF"));
        QCOMPARE(QFile::permissions(QFileInfo(tuneCopy()).path()), QFile::ReadOwner | QFile::WriteOwner |
                                                                       QFile::ExeOwner | QFile::ReadUser |
                                                                       QFile::WriteUser | QFile::ExeUser);

        QFile::remove(m_state.strAppPath + "air.mid");
        m_mci.commands.clear();
        m_form9->PlaySound("once", m_state.strSongPath);
        QCOMPARE(m_mci.commands.size(), 3);
        QCOMPARE(readAll(tuneCopy()), QByteArray("RIFF"));
        QVERIFY(m_box.shown.isEmpty());
    }

private:
    QString tuneCopy() const { return m_dir->filePath("cache/Ixo/air.mid"); }
    QString writeSong()
    {
        m_state.strSongPath = m_state.strAppPath + "ding.wav";
        QFile file(m_state.strSongPath);
        if (!file.open(QIODevice::WriteOnly) || file.write("RIFF") != 4)
            qFatal("cannot write the song");
        return m_state.strSongPath;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    Module1 m_state;
    FakeWave m_wave;
    FakeWavePlayer m_player;
    FakeMci m_mci;
    FakeSpeaker m_speaker;
    FakeModalBox m_box;
    FakeWarnings m_warnings;
    FakeClockSwitch m_clock;
    int m_events = 0;
    std::unique_ptr<Form9> m_form9;
};

QTEST_GUILESS_MAIN(TestSoundLogic)
#include "test_sound_logic.moc"
