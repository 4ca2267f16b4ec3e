#pragma once

#include <QString>

// The program's one wave channel: a new sound replaces the current one; an empty name stops it.
class WaveChannel
{
public:
    virtual ~WaveChannel() = default;
    /// Plays the wave file at `path` once, without waiting; an empty path stops the channel.
    /// Returns false when the sound could not be started.
    virtual bool sndPlaySound(const QString& path) = 0;
};

// The MIDI sequencer, driven by the command strings "open FILE type sequencer alias tmpMidiPlay",
// "play tmpMidiPlay" and "close tmpMidiPlay".
class MciDevice
{
public:
    virtual ~MciDevice() = default;
    /// Carries out `command`; 0 on success, otherwise an error code.
    virtual int mciSendString(const QString& command) = 0;
};
