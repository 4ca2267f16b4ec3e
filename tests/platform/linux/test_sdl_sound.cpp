// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "core/sound/sound_logic.h"
#include "core/sound/speaker_sweep.h"
#include "core/state/shared_state.h"
#include "disk_audio_capture.h"
#include "fake_sound.h"
#include "fake_warnings.h"
#include "platform/linux/pc_speaker.h"
#include "platform/linux/sdl_audio.h"
#include "platform/linux/sdl_midi_sequencer.h"
#include "platform/linux/sdl_wave_channel.h"
#include "sound_files.h"

using namespace SoundFiles;
using Capture = DiskAudioCapture;

namespace {
const QString kSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";
const QString kBin = QStringLiteral(IXO_BIN_DIR "/"); // the sounds the build delivers

// The SDL sound outputs on the disk driver, under the sound logic; the speaker has no device, so its tones go to
// the sound output.
struct Rig
{
    explicit Rig(const QString& soundFont = kSoundFont, int idleCloseMs = 0) : audio(soundFont, idleCloseMs)
    {
        state.appPath = dir.path() + "/";
        state.setStartupDefaults();
        state.nextAlarm = "08:30:00";
    }
    QString song(const QList<qint16>& samples)
    {
        return writeFile(state.alarmSoundPath, waveBytes(samples)) ? state.alarmSoundPath : QString();
    }
    /// Everything rendered until nothing sounds any more, and a little beyond.
    Capture::Samples renderUntilQuiet()
    {
        if (!Capture::waitFor([&] { return !audio.isBusy(); }) ||
            !Capture::waitFor([&, end = capture.size() + Capture::kMarginBytes] { return capture.size() >= end; }))
            qFatal("the sound did not end");
        return capture.samples();
    }
    QTemporaryDir dir;
    Capture capture{dir.filePath("out.raw")};
    SdlAudio audio;
    SdlWaveChannel wave{audio};
    SdlWavePlayer player{audio};
    SdlMidiSequencer midi{audio};
    SdlToneSpeaker tones{audio};
    PcSpeaker speaker{tones, dir.path()};
    SharedState state;
    FakeModalBox box;
    FakeWarnings warnings;
    FakeClockSwitch clock;
    SoundLogic soundLogic{
        state, {wave, player, midi, speaker, box, warnings, clock}, dir.filePath("cache/Ixo/air.mid")};
};
} // namespace

// The sound outputs: what SDL renders is read back and measured.
class TestSdlSound : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // "thrice" loops twice more (what "once", "twice" and "repeat" do is counted in the end-to-end scenarios).
    void extraLoops() { QCOMPARE(SdlWavePlayer::extraLoops("thrice"), 2); }

    // The chime is a wave kept under another name; it replaces the alarm repeating, which would never end. An
    // idle program holds no audio stream: the output closes after a quiet spell and opens for the next sound.
    void chimePlaysByContentAndReplaces()
    {
        Rig r(kSoundFont, 50);
        r.soundLogic.playSound("repeat", r.song(burst(30, 30)));
        QVERIFY(r.wave.play(kBin + "didi.snd") && Capture::peak(r.renderUntilQuiet()) > 1000);
        QTRY_VERIFY_WITH_TIMEOUT(!r.audio.isOpen(), Capture::kLimitMs);
        QVERIFY(r.wave.play(kBin + "didi.snd") && r.audio.isOpen());
    }

    // The speaker chosen: no wave, one sweep of 30 tones measured from 2000 Hz down to 550 Hz, then silence.
    void speakerSweepIsMeasured()
    {
        Rig r;
        r.state.useInternalSpeaker = true;
        r.soundLogic.playSound("once", r.song(burst(30, 30)));
        QVERIFY(!r.audio.isWavePlaying());
        const Capture::Samples out = r.renderUntilQuiet();
        const std::size_t start = std::find_if(out.begin(), out.end(), [](qint16 s) { return s != 0; }) - out.begin();
        const auto toneFrames = std::size_t(std::lround(kSweepToneMs * Capture::kRate / 1000.0));
        QVERIFY(start + 31 * toneFrames < out.size());
        for (int i = 0; i < 30; ++i) {
            const std::size_t from = start + std::size_t(i) * toneFrames + 40; // away from the tone's edges
            const double hertz = Capture::crossingFrequency(out, from, from + toneFrames - 80);
            QVERIFY2(qAbs(hertz - (2000 - 50 * i)) < 20, qPrintable(QString("tone %1: %2 Hz").arg(i).arg(hertz)));
        }
        QCOMPARE(Capture::peak(out, start + 30 * toneFrames + 10), 0);
    }

    // Broken files never hang or crash; what cannot be decoded counts as not played (the alarm's box when no
    // output plays is below).
    void badWaves_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("plays");
        QByteArray compressed = waveBytes(burst(30, 0));
        compressed[20] = 0x55; // an encoding the decoder does not know
        QTest::newRow("text") << QByteArray("hello") << false;
        QTest::newRow("no samples") << waveBytes({}) << false;
        QTest::newRow("unknown encoding") << compressed << false;
        QTest::newRow("truncated: what is there plays") << waveBytes(burst(30, 0), 44100 * 2) << true;
    }
    void badWaves()
    {
        QFETCH(QByteArray, bytes);
        Rig r;
        QVERIFY(writeFile(r.dir.filePath("bad.wav"), bytes));
        QTEST(r.wave.play(r.dir.filePath("bad.wav")), "plays");
    }

    // Without an output nothing plays, the tune neither: the box says so.
    void noOutputDevice()
    {
        Rig r;
        qputenv("SDL_AUDIODRIVER", "no-such-driver");
        QVERIFY(QFile::copy(kBin + "air.mid", r.state.appPath + "air.mid"));
        const QString song = r.song(burst(30, 30));
        QVERIFY(!r.wave.play(song) && !r.speaker.isPresent() && !r.audio.lastError().isEmpty());
        r.soundLogic.playSound("once", song);
        QCOMPARE(r.box.shown, QStringList{"Error found, Sound cannot be played, alarm at 08:30:00"});
    }

    // The sequencer takes the commands the sound logic sends, for a path with a blank, and the delivered tune is
    // heard.
    void sequencerCommands()
    {
        if (!QFileInfo(kSoundFont).isReadable())
            QSKIP("the General MIDI sound font is not installed");
        Rig r;
        const QString spaced = r.dir.filePath("a folder/air.mid");
        QVERIFY(QDir().mkpath(QFileInfo(spaced).path()) && QFile::copy(kBin + "air.mid", spaced));
        const QString open = "open " + spaced + " type sequencer alias tmpMidiPlay";
        for (const char* refused : {"close tmpMidiPlay", "play otherAlias", "open  type sequencer alias tmpMidiPlay"})
            QVERIFY2(r.midi.sendCommand(refused) != 0, refused);
        QVERIFY(r.midi.sendCommand(open) == 0 && r.midi.sendCommand(open) != 0);
        QVERIFY(r.midi.sendCommand("play tmpMidiPlay") == 0 && r.audio.isMidiPlaying());
        QVERIFY(Capture::waitFor([&] { return Capture::peak(r.capture.samples()) > 1000; }));
        QCOMPARE(r.midi.sendCommand("close tmpMidiPlay"), 0);
        QVERIFY(!r.audio.isMidiPlaying() && r.midi.sendCommand("close tmpMidiPlay") != 0);

        Rig noFont(r.dir.filePath("none.sf2"));
        QVERIFY(noFont.midi.sendCommand(open) != 0 && noFont.midi.sendCommand("play tmpMidiPlay") != 0);
    }
};

QTEST_GUILESS_MAIN(TestSdlSound)
#include "test_sdl_sound.moc"
