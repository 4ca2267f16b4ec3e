// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>

// The alarm sound as the clock and the Settings window ask for it.
class SoundPlayback
{
public:
    virtual ~SoundPlayback() = default;
    /// Plays the wave `soundPath` as often as `playTimes` says ("once", "twice", "thrice", "repeat"), falling back
    /// to the internal speaker or the MIDI tune, and reports a sound that cannot be played.
    virtual void playSound(const QString& playTimes, const QString& soundPath) = 0;
    /// One tone sweep on the internal speaker; the repeating speaker alarm asks for one per clock tick.
    virtual void playSpeakerSweep() = 0;
    /// Silences what plays: the wave (a repeating one included) and the MIDI tune stop, and the repeating speaker
    /// alarm starts no further sweep (a sweep under way finishes).
    virtual void stopSound() = 0;
};
