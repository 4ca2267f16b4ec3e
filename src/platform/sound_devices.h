// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// The program's one wave channel: a new sound replaces the current one; an empty name stops it.
class WaveChannel
{
public:
    virtual ~WaveChannel() = default;
    /// Plays the wave file at `path` once, without waiting; an empty path stops the channel.
    /// Returns false when the sound could not be started.
    virtual bool play(const QString& path) = 0;
};

// The alarm wave player. It plays on the program's one wave channel, so emptying that channel silences it.
class WavePlayer
{
public:
    virtual ~WavePlayer() = default;
    /// Plays the wave file at `path` as often as `times` says: "once", "twice", "thrice", or "repeat" until the
    /// wave channel is stopped (any other word plays it once). Returns at once; the sound goes on after the call.
    /// False when the sound was not started: the file is missing or not a playable wave, or no sound output is
    /// available.
    [[nodiscard]] virtual bool playWave(const QString& times, const QString& path) = 0;
    /// Whether the wave it started last still sounds: false once it ended on its own or the channel was stopped.
    virtual bool isPlaying() = 0;
};

// The MIDI sequencer, driven by the command strings "open FILE type sequencer alias tmpMidiPlay",
// "play tmpMidiPlay" and "close tmpMidiPlay".
class MidiSequencer
{
public:
    virtual ~MidiSequencer() = default;
    /// Carries out `command`; 0 on success, otherwise an error code.
    virtual int sendCommand(const QString& command) = 0;
    /// Why the device cannot play at all, in words for the user, when it knows more than an error code (the
    /// sound module is missing); empty otherwise.
    virtual QString failureReason() const { return {}; }
    /// Whether a tune still plays.
    virtual bool isPlaying() = 0;
};

// One tone of the internal-speaker tune: its pitch and how long it sounds.
struct SpeakerTone
{
    double frequency = 0;
    int milliseconds = 0;
    friend bool operator==(const SpeakerTone&, const SpeakerTone&) = default;
};

// The internal speaker, or whatever plays its tones on this machine.
class SpeakerOutput
{
public:
    virtual ~SpeakerOutput() = default;
    /// Whether tones can be played at all.
    virtual bool isPresent() = 0;
    /// Plays the tones one after the other, then silence. Returns at once; tones asked for while earlier ones
    /// still sound follow them.
    virtual void playTones(const QList<SpeakerTone>& tones) = 0;
    /// Whether tones still sound or wait to sound.
    virtual bool isSounding() = 0;
};
