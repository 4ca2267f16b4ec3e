// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include "platform/sound_devices.h"

class SdlAudio;

// The MIDI sequencer behind the three command strings, playing through the SDL mixer's FluidSynth voice.
class SdlMidiSequencer final : public MidiSequencer
{
public:
    explicit SdlMidiSequencer(SdlAudio& audio) : m_audio(audio) {}
    int sendCommand(const QString& command) override;
    bool isPlaying() override;

    enum Error : int {
        UnknownCommand = 1,
        NotOpen,
        AlreadyOpen,
        FileNotFound,
        NotMidi,
        NoSoundFont,
        NoDevice,
        CannotPlay,
    };

private:
    int open(const QString& path);

    SdlAudio& m_audio;
    bool m_isOpen = false;
};
