// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include "platform/sound_devices.h"

class SdlAudio;

// The program's one wave channel on the SDL mixer.
class SdlWaveChannel final : public WaveChannel
{
public:
    explicit SdlWaveChannel(SdlAudio& audio) : m_audio(audio) {}
    bool play(const QString& path) override;

private:
    SdlAudio& m_audio;
};

// The alarm wave player: plays on the same channel, so Stop silences a repeating alarm too.
class SdlWavePlayer final : public WavePlayer
{
public:
    explicit SdlWavePlayer(SdlAudio& audio) : m_audio(audio) {}
    bool playWave(const QString& times, const QString& path) override;
    bool isPlaying() override;

    /// How many times the wave plays after the first for a play-times word; -1 for "repeat".
    static int extraLoops(const QString& times);

private:
    SdlAudio& m_audio;
};

// The speaker's tones as a square wave mixed into the sound output.
class SdlToneSpeaker final : public SpeakerOutput
{
public:
    explicit SdlToneSpeaker(SdlAudio& audio) : m_audio(audio) {}
    bool isPresent() override;
    void playTones(const QList<SpeakerTone>& tones) override;
    bool isSounding() override;

private:
    SdlAudio& m_audio;
};
