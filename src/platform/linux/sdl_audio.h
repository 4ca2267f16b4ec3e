// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <deque>
#include <mutex>

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QTimer>
#include <QtGlobal>

#include "platform/sound_devices.h"

struct Mix_Chunk;
struct _Mix_Music;

// The program's sound output: one SDL mixer, opened on first use and shared by the wave channel, the MIDI
// sequencer and the synthesized speaker tones.
class SdlAudio final
{
    Q_DISABLE_COPY_MOVE(SdlAudio)
public:
    /// `soundFont` is the General MIDI sound font MIDI tunes are played with. The output is closed again after
    /// `idleCloseMs` without sound (0: kept open), so an idle Ixo holds no audio stream; this needs a running
    /// event loop.
    explicit SdlAudio(QString soundFont, int idleCloseMs = 0);
    ~SdlAudio();

    /// Opens the output device unless it is open already; false when none opens (lastError() says why).
    /// A later call tries again, so a sound server started after Ixo is found.
    bool open();
    bool isOpen() const { return m_open; }
    QString lastError() const { return m_lastError; }
    /// Frames per second of the output.
    static constexpr int kSampleRate = 44100;

    enum class WaveResult { Started, Missing, NotPlayable, NoDevice };
    /// Replaces what the wave channel plays with the wave file at `path`, played 1 + `extraLoops` times (-1:
    /// until stopped). The file's content tells what it is, whatever its name.
    WaveResult playWave(const QString& path, int extraLoops);
    /// Silences the wave channel at once.
    void stopWave();
    bool isWavePlaying() const;

    QString soundFont() const { return m_soundFont; }
    /// Loads the MIDI file at `path` in place of any loaded one; false when it cannot be played.
    bool loadMidi(const QString& path);
    /// Plays the loaded MIDI tune once from its start.
    bool playMidi();
    /// Stops and unloads the MIDI tune.
    void freeMidi();
    bool isMidiPlaying() const;

    /// Queues tones on the synthesized speaker voice after those waiting; beyond a few sweeps the oldest give
    /// way. False when the output is not open.
    bool queueTones(const QList<SpeakerTone>& tones);
    bool areTonesPending() const;

    /// Whether anything sounds or waits to sound.
    bool isBusy() const;

private:
    struct QueuedTone
    {
        double step = 0; // phase advance per frame
        int framesLeft = 0;
    };

    static void postMix(void* self, quint8* stream, int length);
    void mixTones(qint16* samples, int frames);
    void close();
    void closeWhenIdle();

    QString m_soundFont;
    QString m_lastError;
    bool m_open = false;
    Mix_Chunk* m_chunk = nullptr;
    _Mix_Music* m_midi = nullptr;
    int m_idleCloseMs;
    QTimer m_idleCheck;
    QElapsedTimer m_quietFor;

    mutable std::mutex m_toneMutex; // guards the tone queue, which the audio thread plays
    std::deque<QueuedTone> m_tones;
    double m_tonePhase = 0;
};
