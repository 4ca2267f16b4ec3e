// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/sound/speaker_sweep.h"

#include <cmath>

int speakerDivisor(int frequency)
{
    // nearbyint rounds in the default mode, to the nearest with ties to even.
    return static_cast<int>(std::nearbyint(kSpeakerTimerClock / frequency));
}

QList<SpeakerTone> speakerSweep()
{
    QList<SpeakerTone> tones;
    for (int f = kSweepHighHz; f >= kSweepLowHz; f -= kSweepStepHz)
        tones.append(SpeakerTone{kSpeakerTimerClock / speakerDivisor(f), kSweepToneMs});
    return tones;
}
