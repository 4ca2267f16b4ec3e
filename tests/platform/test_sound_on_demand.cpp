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
    void modulePathsBesideAndInPrivateFolder()
    {
        QCOMPARE(SoundOnDemand::modulePaths("/opt/ixo/bin"),
                 (QStringList{"/opt/ixo/bin/ixo-sound.so", "/opt/ixo/libexec/ixo/ixo-sound.so"}));
    }

    // Without a usable module the wave fails as a missing output does, and the MIDI fallback's box names why.
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
        if (moduleBytes != "-")
            QVERIFY(QDir().mkpath(dir.filePath("bin")) && writeFile(paths.first(), moduleBytes));
        SoundOnDemand sound(paths, "/nonexistent.sf2", 0);

        // Stopping needs no module and loads none.
        QVERIFY(sound.wave().sndPlaySound(QString()));
        QVERIFY(sound.mci().mciSendString("close tmpMidiPlay") != 0);
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
        Form9 form9(state, SoundServices{sound.wave(), sound.wavePlayer(), sound.mci(), speaker, box, warnings, clock},
                    dir.filePath("cache/air.mid"));
        form9.PlaySound("once", state.strSongPath);

        QVERIFY(!sound.isLoaded());
        QCOMPARE(box.shown.size(), 1);
        const QString prefix = "Error found, Sound cannot be played, alarm at 08:30:00\n\n";
        QVERIFY2(box.shown.first().startsWith(prefix + reason), qPrintable(box.shown.first()));
        QVERIFY(box.shown.first().contains(paths.first()));
        QVERIFY(!sound.tones().isPresent());
    }

    // The module built beside the program: the sound libraries come in with the first sound, not before, and
    // not for a Stop.
    void moduleLoadsWithTheFirstSound()
    {
        QVERIFY(!isMapped("libSDL2"));
        QTemporaryDir dir;
        DiskAudioCapture capture(dir.filePath("out.raw"));
        capture.selectDriver();
        SoundOnDemand sound({dir.filePath("none.so"), QStringLiteral(IXO_SOUND_MODULE)}, "/nonexistent.sf2", 0);

        QVERIFY(sound.wave().sndPlaySound(QString()));
        sound.mci().mciSendString("close tmpMidiPlay");
        QVERIFY(!sound.isLoaded());
        QVERIFY(!isMapped("libSDL2"));

        const QString song = dir.filePath("ding.wav");
        QVERIFY(writeFile(song, waveBytes(burst(40, 40))));
        qint16 iCanPlay = kTrue;
        sound.wavePlayer().PlayWave("twice", song, iCanPlay);
        QCOMPARE(iCanPlay, kTrue);
        QVERIFY(sound.isLoaded());
        QVERIFY(isMapped("libSDL2_mixer"));
        QVERIFY(DiskAudioCapture::waitFor(
            [&] { return DiskAudioCapture::countBursts(capture.samples(0, capture.size())) >= 2; }));
        QVERIFY(sound.wave().sndPlaySound(QString()));
    }

    // The event sound library, too, comes with the first event sound (played or not: there may be no server).
    void eventSoundLibraryWithTheFirstBeep()
    {
        QVERIFY(!isMapped("libcanberra"));
        CanberraEventSound sounds;
        QVERIFY(!isMapped("libcanberra"));
        sounds.play("bell");
        QVERIFY(isMapped("libcanberra.so"));
    }
};

QTEST_GUILESS_MAIN(TestSoundOnDemand)
#include "test_sound_on_demand.moc"
