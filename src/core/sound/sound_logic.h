// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <functional>

#include <QString>

#include "core/sound/sound_playback.h"

struct SharedState;
class WaveChannel;
class WavePlayer;
class MidiSequencer;
class SpeakerOutput;
class ModalBox;
class Warnings;

// The clock timer as a sound error box holds it while open. A box gives back only its own hold: the clock runs
// again once nothing else holds it either (a clock the user disabled stays stopped).
class ClockSwitch
{
public:
    virtual ~ClockSwitch() = default;
    virtual void holdClock() = 0;
    virtual void releaseClock() = 0;
};

// What the sound logic plays on and whom it tells.
struct SoundServices
{
    WaveChannel& wave;
    WavePlayer& wavePlayer;
    MidiSequencer& midi;
    SpeakerOutput& speaker;
    ModalBox& modalBox;
    Warnings& warnings;
    ClockSwitch& clock;
};

// The sound logic: plays the alarm wave, falls back to the internal speaker or the MIDI tune, and reports
// sounds that cannot be played.
class SoundLogic final : public SoundPlayback
{
public:
    /// `tuneCopyPath` is the private file the MIDI tune is copied to before it is played.
    SoundLogic(SharedState& state, const SoundServices& services, QString tuneCopyPath);

    void playSound(const QString& playTimes, const QString& soundPath) override;
    /// Reports a missing wave file, or starts the MIDI tune when the wave could not be played.
    void reportWaveFailure();
    /// Plays "air.mid" (the user's own in the program folder, else the delivered one) through the MIDI sequencer; a box
    /// tells when it cannot, after a warning when the tune's private copy could not be written.
    void playTune();
    void playSpeakerSweep() override;
    void stopSound() override;
    /// Whether anything of the alarm sound still plays: the wave, the tune, tones, or the repeating speaker alarm.
    bool isSounding();

    /// Lets pending window events run; called between two speaker sweeps.
    std::function<void()> processEvents;

    static QString speakerWarningText();

private:
    void playSpeakerTimes(const QString& playTimes);
    bool speakerPresent();
    /// A box that holds the program until OK, with the clock and the tray switched off meanwhile.
    void showSystemModal(const QString& text);
    /// Copies the tune to its private file; a tune that cannot be read leaves an older copy in place. False, with
    /// the reason, when the copy could not be written; the older copy is then unchanged.
    bool copyTune(const QString& source, QString* reason);

    SharedState& m_state;
    SoundServices m_services;
    QString m_tuneCopyPath;
};
