// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
// The entry points of the sound module (built as a library of its own, loaded at run time).
#include <QString>

#include "platform/linux/sdl_audio.h"
#include "platform/linux/sdl_midi_sequencer.h"
#include "platform/linux/sdl_wave_channel.h"
#include "platform/linux/sound_module.h"

namespace {
class SdlBackend final : public SoundBackend
{
public:
    SdlBackend(const QString& soundFont, int idleCloseMs)
        : m_audio(soundFont, idleCloseMs), m_wave(m_audio), m_player(m_audio), m_midi(m_audio), m_tones(m_audio)
    {
    }
    WaveChannel& wave() override { return m_wave; }
    WavePlayer& wavePlayer() override { return m_player; }
    MidiSequencer& midi() override { return m_midi; }
    SpeakerOutput& tones() override { return m_tones; }

private:
    SdlAudio m_audio;
    SdlWaveChannel m_wave;
    SdlWavePlayer m_player;
    SdlMidiSequencer m_midi;
    SdlToneSpeaker m_tones;
};
} // namespace

extern "C" {
Q_DECL_EXPORT int ixo_sound_interface_version()
{
    return SoundModule::kInterfaceVersion;
}

Q_DECL_EXPORT SoundBackend* ixo_sound_create(const char* soundFont, int idleCloseMs)
{
    return new SdlBackend(QString::fromUtf8(soundFont), idleCloseMs);
}
}
