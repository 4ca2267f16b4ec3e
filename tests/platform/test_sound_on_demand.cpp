#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "app/shared_state.h"
#include "disk_audio_capture.h"
#include "fake_sound.h"
#include "fake_warnings.h"
#include "platform/linux/canberra_event_sound.h"
#include "platform/linux/sound_on_demand.h"
#include "sound/sound_logic.h"
#include "sound_files.h"

using namespace SoundFiles;

namespace {
// Whether a library whose file name starts with `name` is mapped into this process.
bool isMapped(const QByteArray& name)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/" + name);
}
} // namespace

// The sound module loaded on first use: nothing of the sound stack before a sound is asked for, and a clear
// reason in the box when the module cannot be had.
class TestSoundOnDemand : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Without a usable module the wave fails as a missing output does, and the MIDI fallback's box names why;
    // stopping needs no module and loads none.
    void unusableModuleIsReported_data()
    {
        QTest::addColumn<QByteArray>("moduleBytes"); // "-": no file at all
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QByteArray("-") << "Ixo's sound module ixo-sound.so is missing (looked for ";
        QTest::newRow("not a library") << QByteArray("not an ELF file") << "Ixo's sound module cannot be loaded: ";
    }
    void unusableModuleIsReported()
    {
        QFETCH(QByteArray, moduleBytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QStringList paths = SoundOnDemand::modulePaths(dir.filePath("bin"));
        QCOMPARE(paths, (QStringList{dir.filePath("bin/ixo-sound.so"), dir.filePath("libexec/ixo/ixo-sound.so")}));
        if (moduleBytes != "-")
            QVERIFY(QDir().mkpath(dir.filePath("bin")) && writeFile(paths.first(), moduleBytes));
        SoundOnDemand sound(paths, "/nonexistent.sf2", 0);
        QVERIFY(sound.wave().sndPlaySound(QString()) && sound.mci().mciSendString("close tmpMidiPlay") != 0);
        QCOMPARE(sound.failureReason(), QString());

        Module1 state;
        state.strAppPath = dir.path() + "/";
        state.setStartupDefaults();
        state.strNextAlarm = "08:30:00";
        QVERIFY(writeFile(state.strSongPath, waveBytes(burst(30, 30))));
        QVERIFY(writeFile(state.strAppPath + "air.mid", midiTuneBytes()));
        FakeSpeaker speaker;
        FakeModalBox box;
        FakeWarnings warnings;
        FakeClockSwitch clock;
        Form9(state, {sound.wave(), sound.wavePlayer(), sound.mci(), speaker, box, warnings, clock},
              dir.filePath("cache/air.mid"))
            .PlaySound("once", state.strSongPath);
        QVERIFY(!sound.isLoaded() && !sound.tones().isPresent());
        QCOMPARE(box.shown.size(), 1);
        QVERIFY2(box.shown.first().startsWith("Error found, Sound cannot be played, alarm at 08:30:00\n\n" + reason) &&
                     box.shown.first().contains(paths.first()),
                 qPrintable(box.shown.first()));
    }

    // The module built beside the program: the sound libraries come in with the first sound, not before and not
    // for a Stop; the event sound library with the first event sound (played or not: there may be no server).
    void librariesLoadWithTheFirstSound()
    {
        QVERIFY(!isMapped("libSDL2") && !isMapped("libcanberra"));
        QTemporaryDir dir;
        DiskAudioCapture capture(dir.filePath("out.raw"));
        SoundOnDemand sound({dir.filePath("none.so"), QStringLiteral(IXO_SOUND_MODULE)}, "/nonexistent.sf2", 0);
        QVERIFY(sound.wave().sndPlaySound(QString()));
        sound.mci().mciSendString("close tmpMidiPlay");
        QVERIFY(!sound.isLoaded() && !isMapped("libSDL2"));
        const QString song = dir.filePath("ding.wav");
        QVERIFY(writeFile(song, waveBytes(burst(40, 40))));
        qint16 iCanPlay = kTrue;
        sound.wavePlayer().PlayWave("twice", song, iCanPlay);
        QVERIFY(iCanPlay == kTrue && sound.isLoaded() && isMapped("libSDL2_mixer"));
        QVERIFY(DiskAudioCapture::waitFor(
            [&] { return DiskAudioCapture::countBursts(capture.samples(0, capture.size())) >= 2; }));
        QVERIFY(sound.wave().sndPlaySound(QString()));

        CanberraEventSound sounds;
        QVERIFY(!isMapped("libcanberra"));
        sounds.play("bell");
        QVERIFY(isMapped("libcanberra.so"));
    }
};

QTEST_GUILESS_MAIN(TestSoundOnDemand)
#include "test_sound_on_demand.moc"
