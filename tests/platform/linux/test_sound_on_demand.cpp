// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "core/state/shared_state.h"
#include "disk_audio_capture.h"
#include "platform/linux/canberra_event_sound.h"
#include "platform/linux/sound_on_demand.h"
#include "sound_files.h"

using SoundFiles::writeFile;

namespace {
const QString kDing = QStringLiteral(IXO_BIN_DIR "/ding.wav");

// Whether a library whose file name starts with `name` is mapped into this process.
bool isMapped(const QByteArray& name)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/" + name);
}
} // namespace

// The sound module loaded on first use: nothing of the sound stack before a sound is asked for, and a clear
// reason when the module cannot be had.
class TestSoundOnDemand : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Without a usable module the wave and the tune fail, and the sequencer says why (for the box).
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
        QVERIFY(sound.midi().failureReason().isEmpty());
        QVERIFY(!sound.wavePlayer().playWave("once", kDing) && sound.midi().sendCommand("play tmpMidiPlay") != 0);
        QVERIFY(!sound.isLoaded() && !sound.tones().isPresent());
        const QString why = sound.midi().failureReason();
        QVERIFY2(why.startsWith(reason) && why.contains(paths.first()), qPrintable(why));
    }

    // The module built beside the program: the sound libraries come in with the first sound, not before and not
    // for a Stop; the event sound library with the first event sound (played or not: there may be no server).
    void librariesLoadWithTheFirstSound()
    {
        QVERIFY(!isMapped("libSDL2") && !isMapped("libcanberra"));
        QTemporaryDir dir;
        const DiskAudioCapture capture(dir.filePath("out.raw")); // the sound itself is counted in the alarm scenario
        SoundOnDemand sound({dir.filePath("none.so"), QStringLiteral(IXO_SOUND_MODULE)}, "/nonexistent.sf2", 0);
        QVERIFY(sound.wave().play(QString()));
        sound.midi().sendCommand("close tmpMidiPlay");
        QVERIFY(!sound.isLoaded() && !isMapped("libSDL2"));
        QVERIFY(sound.wavePlayer().playWave("twice", kDing) && sound.isLoaded() && isMapped("libSDL2_mixer"));

        CanberraEventSound sounds;
        QVERIFY(!isMapped("libcanberra"));
        sounds.play("bell");
        QVERIFY(isMapped("libcanberra.so"));
    }
};

QTEST_GUILESS_MAIN(TestSoundOnDemand)
#include "test_sound_on_demand.moc"
