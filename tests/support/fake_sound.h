// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>

#include <QHash>
#include <QStringList>
#include <QTemporaryDir>

#include "core/clock/clock_holds.h"
#include "core/sound/sound_logic.h"
#include "core/state/shared_state.h"
#include "fake_warnings.h"
#include "platform/modal_box.h"
#include "platform/sound_devices.h"
#include "sound_files.h"

// Sound outputs that play nothing and record how they were asked, and the box and clock switch the sound logic
// reports through. `onShow` looks at the program while a box is open.
class FakeModalBox final : public ModalBox
{
public:
    void showOk(const QString& text) override { shown.append(text), onShow ? onShow() : void(); }
    QStringList shown;
    std::function<void()> onShow;
};

// Holds the clock for the sound boxes beside the other reasons, as the tray window does.
class FakeClockSwitch final : public ClockSwitch
{
public:
    FakeClockSwitch() { holds.release(ClockHolds::Reason::Starting); }
    void holdClock() override { holds.hold(ClockHolds::Reason::SoundBox); }
    void releaseClock() override { holds.release(ClockHolds::Reason::SoundBox); }
    bool running() const { return holds.isFree(); }
    ClockHolds holds;
};

class FakeWave final : public WaveChannel
{
public:
    bool play(const QString& path) override { return calls.append(path), true; }
    QStringList calls;
};

// A command answers what `results` holds for it, 0 unless set.
class FakeMidiSequencer final : public MidiSequencer
{
public:
    int sendCommand(const QString& command) override { return commands.append(command), results.value(command); }
    QString failureReason() const override { return reason; }
    bool isPlaying() override { return false; }
    QStringList commands;
    QHash<QString, int> results;
    QString reason;
};

class FakeWavePlayer final : public WavePlayer
{
public:
    bool playWave(const QString& times, const QString& path) override
    {
        calls.append(QStringList{times, path});
        return playing = playable;
    }
    bool isPlaying() override { return playing; }
    QList<QStringList> calls;
    bool playable = true, playing = false; // a started wave plays until a test ends it
};

class FakeSpeaker final : public SpeakerOutput
{
public:
    bool isPresent() override { return present; }
    void playTones(const QList<SpeakerTone>& tones) override { sweeps.append(tones); }
    bool isSounding() override { return false; }
    bool present = true;
    QList<QList<SpeakerTone>> sweeps;
};

// The sound logic over these fakes, with its program folder `app` (a temporary folder of its own when not given) and
// the next alarm at 08:30:00; the song "ding.wav" holds the bytes "RIFF" when written; the tune is copied to
// `tuneCopy`.
struct SoundRig
{
    explicit SoundRig(const QString& app = {}, const QString& tune = {})
        : tuneCopy(tune.isEmpty() ? dir.filePath("cache/Ixo/air.mid") : tune)
    {
        state.appPath = app.isEmpty() ? dir.path() + "/" : app;
        state.setStartupDefaults();
        state.nextAlarm = "08:30:00";
        soundLogic.processEvents = [this] { ++events; };
    }
    QString writeSong()
    {
        return SoundFiles::writeFile(state.alarmSoundPath, "RIFF") ? state.alarmSoundPath : QString();
    }
    QTemporaryDir dir;
    QString tuneCopy;
    SharedState state;
    FakeWave wave;
    FakeWavePlayer player;
    FakeMidiSequencer midi;
    FakeSpeaker speaker;
    FakeModalBox box;
    FakeWarnings warnings;
    FakeClockSwitch clock;
    int events = 0;
    SoundLogic soundLogic{state, SoundServices{wave, player, midi, speaker, box, warnings, clock}, tuneCopy};
};
