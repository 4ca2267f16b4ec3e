// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>

class Clock;
class WindowServices;
class Launcher;
class ModalBox;
class TrayIcon;
class WaveChannel;
class MidiSequencer;
class WavePlayer;
class SpeakerOutput;
class WallpaperSetter;
class PictureConverter;
class Autostart;
class ClockJumps;
class AlarmNotifier;
class ComputerWaker;

// The operating-system services the program runs on; main() builds the real ones, tests hand in fakes.
struct Services
{
    Clock& clock;
    WindowServices& windows;
    Launcher& launcher;
    ModalBox& modalBox;
    TrayIcon& tray;
    WaveChannel& wave;
    MidiSequencer& midi;
    WavePlayer& wavePlayer;
    SpeakerOutput& speaker;
    /// The user's private file the MIDI tune is copied to before it is played.
    QString tuneCopyPath;
    WallpaperSetter& wallpaper;
    PictureConverter& pictures;
    Autostart& autostart;
    /// When the wall clock jumps (set, synchronised, resumed from sleep).
    ClockJumps& clockJumps;
    /// The desktop notification of a sounding alarm.
    AlarmNotifier& notifier;
    /// Wakes the computer from sleep for the next alarm.
    ComputerWaker& waker;
};
