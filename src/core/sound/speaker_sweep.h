// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QList>

#include "platform/sound_devices.h"

// The internal-speaker tune: a falling sweep of 30 tones, 2000 Hz down to 550 Hz in 50 Hz steps.

/// The input clock of the PC's interval timer as the speaker tune counts it.
inline constexpr double kSpeakerTimerClock = 1193280.0;
inline constexpr int kSweepHighHz = 2000;
inline constexpr int kSweepLowHz = 550;
inline constexpr int kSweepStepHz = 50;
/// How long each tone of the sweep sounds.
inline constexpr int kSweepToneMs = 17;

/// The timer divisor that makes the speaker sound at `frequency` Hz (rounded to the nearest, ties to even).
int speakerDivisor(int frequency);

/// One sweep: each tone at the pitch its divisor really gives.
QList<SpeakerTone> speakerSweep();
