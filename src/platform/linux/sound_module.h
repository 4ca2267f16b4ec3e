// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include "platform/sound_devices.h"

// The sound output as Ixo's sound module provides it. The module holds everything that plays through SDL, its
// mixer and FluidSynth; it is built apart from the program and loaded when the first sound is needed, so those
// libraries cost nothing while no sound has played.
class SoundBackend
{
public:
    virtual ~SoundBackend() = default;
    virtual WaveChannel& wave() = 0;
    virtual WavePlayer& wavePlayer() = 0;
    virtual MidiSequencer& midi() = 0;
    /// The speaker's tones synthesized on the sound output.
    virtual SpeakerOutput& tones() = 0;
};

namespace SoundModule {
/// Changes whenever SoundBackend or the entry points change; a module of another version is not used.
inline constexpr int kInterfaceVersion = 2;
inline constexpr char kFileName[] = "ixo-sound.so";
inline constexpr char kVersionSymbol[] = "ixo_sound_interface_version";
inline constexpr char kCreateSymbol[] = "ixo_sound_create";
using VersionFunction = int (*)();
/// `soundFont` (UTF-8 path) is the General MIDI sound font; the output closes after `idleCloseMs` of silence.
/// The caller owns the result.
using CreateFunction = SoundBackend* (*)(const char* soundFont, int idleCloseMs);
} // namespace SoundModule
