#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "app/shared_state.h"
#include "disk_audio_capture.h"
#include "fake_sound.h"
#include "fake_warnings.h"
#include "platform/linux/pc_speaker.h"
#include "platform/linux/sdl_audio.h"
#include "platform/linux/sdl_midi_sequencer.h"
#include "platform/linux/sdl_wave_channel.h"
#include "sound/sound_logic.h"
#include "sound/speaker_sweep.h"
#include "sound_files.h"

using namespace SoundFiles;

namespace {
const QString kSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";
} // namespace

// The sound outputs on SDL's disk driver: what they render is read back and measured.
class TestSdlSound : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(m_dir->path()).mkdir("input"));
        m_capture = std::make_unique<DiskAudioCapture>(m_dir->filePath("out.raw"));
        m_capture->selectDriver();
        m_audio = std::make_unique<SdlAudio>(kSoundFont);
        m_wave = std::make_unique<SdlWaveChannel>(*m_audio);
        m_player = std::make_unique<SdlWavePlayer>(*m_audio);
        m_mci = std::make_unique<SdlMidiSequencer>(*m_audio);
        // An input folder without a speaker device: tones go to the sound output.
        m_tones = std::make_unique<SdlToneSpeaker>(*m_audio);
        m_speaker = std::make_unique<PcSpeaker>(*m_tones, m_dir->filePath("input"));
        m_state = Module1{};
        m_state.strAppPath = m_dir->path() + "/";
        m_state.setStartupDefaults();
        m_state.strNextAlarm = "08:30:00";
        m_box.shown.clear();
        m_warnings.shown.clear();
        m_form9 = std::make_unique<Form9>(
            m_state, SoundServices{*m_wave, *m_player, *m_mci, *m_speaker, m_box, m_warnings, m_clock},
            m_dir->filePath("cache/Ixo/air.mid"));
    }
    void cleanup()
    {
        m_form9.reset();
        m_speaker.reset();
        m_tones.reset();
        m_mci.reset();
        m_player.reset();
        m_wave.reset();
        m_audio.reset();
    }

    void playTimes_data()
    {
        QTest::addColumn<QString>("times");
        QTest::addColumn<int>("bursts");
        QTest::newRow("once") << "once" << 1;
        QTest::newRow("twice") << "twice" << 2;
        QTest::newRow("thrice") << "thrice" << 3;
        QTest::newRow("an unknown word plays once") << "often" << 1;
    }
    void playTimes()
    {
        QFETCH(QString, times);
        QFETCH(int, bursts);
        const QString song = writeSong(burst(40, 40));
        const qint64 mark = m_capture->size();
        m_form9->PlaySound(times, song);
        QVERIFY(m_audio->isWavePlaying());
        const std::vector<qint16> out = renderUntilQuiet(mark);
        QCOMPARE(DiskAudioCapture::countBursts(out), bursts);
        QVERIFY(m_box.shown.isEmpty());
    }

    // "repeat" goes on until Stop empties the wave channel; after that the output is silent.
    void repeatPlaysUntilStopped()
    {
        const QString song = writeSong(burst(30, 30));
        const qint64 mark = m_capture->size();
        m_form9->PlaySound("repeat", song);
        QVERIFY(DiskAudioCapture::waitFor(
            [&] { return DiskAudioCapture::countBursts(m_capture->samples(mark, m_capture->size())) >= 5; }));
        QVERIFY(m_audio->isWavePlaying());

        m_wave->sndPlaySound(QString());
        QVERIFY(!m_audio->isWavePlaying());
        const qint64 stopped = m_capture->size() + DiskAudioCapture::kMarginBytes;
        const qint64 end = stopped + DiskAudioCapture::kRate * DiskAudioCapture::kBytesPerFrame / 2;
        QVERIFY(m_capture->waitForSize(end));
        QCOMPARE(DiskAudioCapture::peak(m_capture->samples(stopped, end)), 0);
    }

    // The chime is a wave kept under another name; a new sound replaces the one playing.
    void chimePlaysByContentAndReplaces()
    {
        const QString song = writeSong(burst(30, 30));
        const QString chime = m_dir->filePath("didi.snd");
        QVERIFY(writeFile(chime, waveBytes(burst(50, 10, 2000))));
        const qint64 mark = m_capture->size();
        m_form9->PlaySound("repeat", song);
        QVERIFY(m_wave->sndPlaySound(chime));
        const std::vector<qint16> out = renderUntilQuiet(mark);
        QVERIFY(!m_audio->isWavePlaying());
        const std::size_t start = DiskAudioCapture::firstSound(out, 1000);
        // At most one burst of the alarm got out before the chime took over; the chime is the last sound: its
        // 2000 Hz is measured over the last 40 ms before the silence.
        const int bursts = DiskAudioCapture::countBursts(out);
        QVERIFY2(bursts == 1 || bursts == 2, qPrintable(QString::number(bursts)));
        const std::size_t tail = out.size() - DiskAudioCapture::kMarginBytes / DiskAudioCapture::kBytesPerFrame;
        QVERIFY(start < tail);
        QVERIFY(DiskAudioCapture::peak(out, tail) == 0);
        std::size_t end = out.size();
        while (end > 0 && std::abs(int(out[end - 1])) <= 1000)
            --end;
        const std::size_t chimeFrames = 40 * DiskAudioCapture::kRate / 1000;
        QVERIFY(end > chimeFrames);
        const double hertz = DiskAudioCapture::crossingFrequency(out, end - chimeFrames, end);
        QVERIFY2(qAbs(hertz - 2000) < 20, qPrintable(QString::number(hertz)));
    }

    // A wave that is missing or cannot be played: what is heard and what is shown, by the options.
    void failedWave_data()
    {
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<bool>("errorMessages");
        QTest::addColumn<QByteArray>("song"); // "-": no file
        QTest::addColumn<bool>("tuneHeard");
        QTest::addColumn<bool>("box");
        QTest::newRow("missing: the box, no tune") << true << true << QByteArray("-") << false << true;
        QTest::newRow("unplayable: the tune, no box") << true << true << QByteArray("not a wave") << true << false;
        QTest::newRow("unplayable, error messages off: silence") << true << false << QByteArray("x") << false << false;
        QTest::newRow("sound off: nothing, even for a missing file")
            << false << true << QByteArray("-") << false << false;
    }
    void failedWave()
    {
        QFETCH(bool, soundOn);
        QFETCH(bool, errorMessages);
        QFETCH(QByteArray, song);
        QFETCH(bool, tuneHeard);
        QFETCH(bool, box);
        if (tuneHeard && !QFileInfo(kSoundFont).isReadable())
            QSKIP("the General MIDI sound font is not installed");
        writeTune();
        m_state.bSoundOn = toFlag(soundOn);
        m_state.bErrMsgPop = toFlag(errorMessages);
        m_state.strSongPath = m_state.strAppPath + "ding.wav";
        if (song != "-")
            QVERIFY(writeFile(m_state.strSongPath, song));
        const qint64 mark = m_capture->size();
        m_form9->PlaySound(soundOn ? "once" : "repeat", m_state.strSongPath);
        QCOMPARE(m_box.shown, box ? QStringList{m_state.strSongPath.mid(7) + ", wave file not found, alarm at 08:30:00"}
                                  : QStringList());
        QCOMPARE(m_audio->isMidiPlaying(), tuneHeard);
        QCOMPARE(QFileInfo::exists(m_dir->filePath("cache/Ixo/air.mid")), tuneHeard);
        const std::vector<qint16> out = renderUntilQuiet(mark);
        QCOMPARE(DiskAudioCapture::peak(out) > 1000, tuneHeard);
        QCOMPARE(DiskAudioCapture::countBursts(out) >= 1, tuneHeard);
        if (!soundOn)
            QVERIFY(!m_audio->isOpen() && !QFileInfo::exists(m_capture->path()));
    }

    // The speaker chosen: no wave, one sweep of 30 tones measured from 2000 Hz down to 550 Hz.
    void speakerSweepIsMeasured()
    {
        m_state.bUseInternalSpeaker = kTrue;
        const QString song = writeSong(burst(30, 30));
        const qint64 mark = m_capture->size();
        m_form9->PlaySound("once", song);
        QVERIFY(!m_audio->isWavePlaying());
        const std::vector<qint16> out = renderUntilQuiet(mark);

        const std::size_t start = DiskAudioCapture::firstSound(out);
        const auto toneFrames = std::size_t(std::lround(kSweepToneMs * DiskAudioCapture::kRate / 1000.0));
        QVERIFY(start + 31 * toneFrames < out.size());
        for (int i = 0; i < 30; ++i) {
            const int nominal = 2000 - 50 * i;
            // Measured inside the tone, away from its edges.
            const std::size_t from = start + std::size_t(i) * toneFrames + 40;
            const double measured = DiskAudioCapture::crossingFrequency(out, from, from + toneFrames - 80);
            QVERIFY2(qAbs(measured - nominal) < nominal * 0.01,
                     qPrintable(QStringLiteral("tone %1: %2 Hz").arg(i).arg(measured)));
        }
        QCOMPARE(DiskAudioCapture::peak(out, start + 30 * toneFrames + 10), 0);
    }

    void badWaves_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("plays");
        const QByteArray good = waveBytes(burst(30, 0));
        QTest::newRow("text") << QByteArray("hello") << false;
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("header only") << good.left(44) << false;
        QTest::newRow("no samples") << waveBytes({}) << false;
        QByteArray compressed = good;
        compressed[20] = 0x55; // an encoding the decoder does not know
        QTest::newRow("unknown encoding") << compressed << false;
        QTest::newRow("truncated: what is there plays") << waveBytes(burst(30, 0), 44100, 44100 * 2) << true;
        QTest::newRow("declares more than a file can hold") << good.left(1000) << true;
    }
    // Broken files never hang or crash; what cannot be decoded counts as not played.
    void badWaves()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, plays);
        const QString path = m_dir->filePath("bad.wav");
        QVERIFY(writeFile(path, bytes));
        qint16 iCanPlay = kTrue;
        m_player->PlayWave("once", path, iCanPlay);
        QCOMPARE(iCanPlay, plays ? kTrue : kFalse);
        QCOMPARE(m_wave->sndPlaySound(path), plays);
    }

    void noOutputDevice()
    {
        qputenv("SDL_AUDIODRIVER", "no-such-driver");
        const QString song = writeSong(burst(30, 30));
        writeTune();
        qint16 iCanPlay = kTrue;
        m_player->PlayWave("once", song, iCanPlay);
        QCOMPARE(iCanPlay, kFalse);
        QVERIFY(!m_wave->sndPlaySound(song));
        QVERIFY(!m_speaker->isPresent());
        QVERIFY(!m_audio->lastError().isEmpty());

        // The tune cannot be played either: the box says so.
        m_form9->PlaySound("once", song);
        QCOMPARE(m_box.shown, QStringList{"Error found, Sound cannot be played, alarm at 08:30:00"});
    }

    void sequencerCommands()
    {
        if (!QFileInfo(kSoundFont).isReadable())
            QSKIP("the General MIDI sound font is not installed");
        const QString spaced = m_dir->filePath("a folder/air.mid");
        QVERIFY(QDir().mkpath(QFileInfo(spaced).path()));
        QVERIFY(writeFile(spaced, midiTuneBytes()));
        const QString open = "open " + spaced + " type sequencer alias tmpMidiPlay";

        QVERIFY(m_mci->mciSendString("close tmpMidiPlay") != 0);
        QVERIFY(m_mci->mciSendString("play tmpMidiPlay") != 0);
        QVERIFY(m_mci->mciSendString("play otherAlias") != 0);
        QVERIFY(m_mci->mciSendString("open  type sequencer alias tmpMidiPlay") != 0);
        QCOMPARE(m_mci->mciSendString(open), 0);
        QVERIFY(m_mci->mciSendString(open) != 0);
        QCOMPARE(m_mci->mciSendString("play tmpMidiPlay"), 0);
        QVERIFY(m_audio->isMidiPlaying());
        QCOMPARE(m_mci->mciSendString("close tmpMidiPlay"), 0);
        QVERIFY(!m_audio->isMidiPlaying());
        QVERIFY(m_mci->mciSendString("close tmpMidiPlay") != 0);
    }

    void sequencerWithoutSoundFontFails()
    {
        cleanup();
        m_audio = std::make_unique<SdlAudio>(m_dir->filePath("none.sf2"));
        SdlMidiSequencer mci(*m_audio);
        const QString tune = m_dir->filePath("air.mid");
        QVERIFY(writeFile(tune, midiTuneBytes()));
        QVERIFY(mci.mciSendString("open " + tune + " type sequencer alias tmpMidiPlay") != 0);
        QVERIFY(mci.mciSendString("play tmpMidiPlay") != 0);
    }

    // An idle program holds no audio stream: the output closes after a quiet spell and opens again for the
    // next sound.
    void idleOutputIsClosedAndReopened()
    {
        cleanup();
        m_audio = std::make_unique<SdlAudio>(kSoundFont, 50);
        SdlWaveChannel wave(*m_audio);
        const QString song = writeSong(burst(20, 0));
        QVERIFY(wave.sndPlaySound(song));
        QTRY_VERIFY_WITH_TIMEOUT(!m_audio->isOpen(), DiskAudioCapture::kLimitMs);
        QVERIFY(wave.sndPlaySound(song));
        QVERIFY(m_audio->isOpen());
    }

private:
    QString writeSong(const QList<qint16>& samples)
    {
        m_state.strSongPath = m_state.strAppPath + "ding.wav";
        writeFile(m_state.strSongPath, waveBytes(samples));
        return m_state.strSongPath;
    }
    void writeTune() { QVERIFY(writeFile(m_state.strAppPath + "air.mid", midiTuneBytes())); }

    /// Everything rendered from `mark` until nothing sounds any more, and a little beyond.
    std::vector<qint16> renderUntilQuiet(qint64 mark)
    {
        if (!m_audio->isOpen())
            return {};
        if (!DiskAudioCapture::waitFor([&] { return !m_audio->isBusy(); }))
            qFatal("the sound did not end");
        const qint64 end = m_capture->size() + DiskAudioCapture::kMarginBytes;
        if (!m_capture->waitForSize(end))
            qFatal("the output did not grow");
        return m_capture->samples(mark, end);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<DiskAudioCapture> m_capture;
    std::unique_ptr<SdlAudio> m_audio;
    std::unique_ptr<SdlWaveChannel> m_wave;
    std::unique_ptr<SdlWavePlayer> m_player;
    std::unique_ptr<SdlMidiSequencer> m_mci;
    std::unique_ptr<SdlToneSpeaker> m_tones;
    std::unique_ptr<PcSpeaker> m_speaker;
    Module1 m_state;
    FakeModalBox m_box;
    FakeWarnings m_warnings;
    FakeClockSwitch m_clock;
    std::unique_ptr<Form9> m_form9;
};

QTEST_GUILESS_MAIN(TestSdlSound)
#include "test_sdl_sound.moc"
