// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include <QFile>
#include <QTest>

#include "fake_sound.h"

class TestSoundLogic : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // What one alarm sound does with each set of options: `options` lists the switches off (sound, errors) or on
    // (speaker, midiSpeaker), the missing speaker (noSpeaker), a failing tune (noTune, whose sequencer says why)
    // and the times when not "twice". The outcome lists the outputs used: the wave channel stopped, the wave
    // played, speaker sweeps (events run after each), the tune, boxes and warnings. A box gives back its hold on the
    // clock and the tray (that it holds them while open: the window tests).
    void outcome_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("song");
        QTest::addColumn<QString>("outcome");
        const auto row = [](const char* name, const char* options, const char* song, const QString& outcome) {
            QTest::newRow(name) << QString(options) << QString(song) << outcome;
        };
        row("sound off: nothing, even for a missing file", "soundOff speaker", "missing", "");
        row("speaker: sweeps only", "speaker thrice", "ok", "sweep sweep sweep");
        row("speaker, repeat: one sweep per tick later", "speaker repeat", "ok", "");
        row("speaker missing: warning, then the wave", "speaker noSpeaker", "ok", "stop wave:twice warning");
        row("unplayable: the tune", "", "unplayable", "stop wave:twice tune");
        row("unplayable, tune fails: box with the reason", "noTune", "unplayable",
            "stop wave:twice tune box:Error found, Sound cannot be played, alarm at 08:30:00\n\nno module");
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
        SoundRig r;
        const QStringList option = options.split(' ', Qt::SkipEmptyParts);
        r.state.soundOn = !option.contains("soundOff");
        r.state.showSoundErrors = !option.contains("errorsOff");
        r.state.useInternalSpeaker = option.contains("speaker");
        r.state.speakerInsteadOfMidi = option.contains("midiSpeaker");
        r.speaker.present = !option.contains("noSpeaker");
        if (option.contains("noTune"))
            r.midi.results.insert("play tmpMidiPlay", 7), r.midi.reason = "no module";
        if (song != "missing")
            r.writeSong();
        r.player.playable = song == "ok";
        const QString times = option.contains("repeat") ? "repeat" : option.contains("thrice") ? "thrice" : "twice";
        r.soundLogic.playSound(times, r.state.alarmSoundPath);

        QStringList used;
        for (const QString& call : std::as_const(r.wave.calls))
            used << (call.isEmpty() ? "stop" : call);
        for (const QStringList& call : std::as_const(r.player.calls))
            used << "wave:" + call.first();
        QCOMPARE(r.events, int(r.speaker.sweeps.size()));
        used << QStringList(r.speaker.sweeps.size(), "sweep");
        if (r.midi.commands.contains("play tmpMidiPlay"))
            used << "tune";
        for (const QString& text : std::as_const(r.box.shown))
            used << "box:" + text;
        used << QStringList(r.warnings.shown.size(), "warning");
        QFETCH(QString, outcome);
        QCOMPARE(used.join(' '), outcome.replace("<song>", r.state.alarmSoundPath.mid(7)));
        QVERIFY(r.clock.running() && r.state.trayActive);
        QCOMPARE(r.state.speakerRepeat(), option.contains("repeat"));
    }

    // The tune is copied to the private file (folder for the user alone) before it plays; without a tune in the
    // program folder the older copy plays.
    void tuneIsCopiedPrivately()
    {
        SoundRig r;
        r.player.playable = false;
        QFile::copy(r.writeSong(), r.state.appPath + "air.mid");
        r.soundLogic.playSound("once", r.state.alarmSoundPath);
        QFile::remove(r.state.appPath + "air.mid");
        r.soundLogic.playSound("once", r.state.alarmSoundPath);
        const QStringList commands{"close tmpMidiPlay", "open " + r.tuneCopy + " type sequencer alias tmpMidiPlay",
                                   "play tmpMidiPlay"};
        QCOMPARE(r.midi.commands, commands + commands);
        QFile copy(r.tuneCopy);
        QVERIFY(copy.open(QIODevice::ReadOnly) && copy.readAll() == "RIFF" && r.box.shown.isEmpty());
        QCOMPARE(int(QFile::permissions(QFileInfo(r.tuneCopy).path())), 0x7700); // rwx for the user alone
    }
};

QTEST_GUILESS_MAIN(TestSoundLogic)
#include "test_sound_logic.moc"
