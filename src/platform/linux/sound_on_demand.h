// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <memory>

#include <QLibrary>
#include <QString>
#include <QStringList>

#include "platform/sound_devices.h"

class SoundBackend;

// The sound output, with the sound module loaded when a sound is first asked for: until then Ixo holds no
// sound library. Stopping what plays never loads it. When the module cannot be loaded, every sound fails as an
// unavailable output does, and the MIDI sequencer's failure says why; the next sound tries again.
class SoundOnDemand final
{
    Q_DISABLE_COPY_MOVE(SoundOnDemand)
public:
    /// `modulePaths` are tried in order; `soundFont` and `idleCloseMs` are handed to the module.
    SoundOnDemand(QStringList modulePaths, QString soundFont, int idleCloseMs);
    ~SoundOnDemand();

    /// Where the module of an `ixo` in `executableFolder` may be: beside it (a build or a per-user install), then
    /// in the private library folder of a system-wide install.
    static QStringList modulePaths(const QString& executableFolder);

    /// The module's sound output, loading the module if need be; null when it cannot be loaded.
    SoundBackend* backend();
    bool isLoaded() const { return m_backend != nullptr; }
    /// Why the module could not be loaded, for the user; empty once it is loaded.
    QString failureReason() const { return m_failure; }

    WaveChannel& wave() { return m_wave; }
    WavePlayer& wavePlayer() { return m_wavePlayer; }
    MidiSequencer& midi() { return m_midi; }
    /// The speaker's tones synthesized on the sound output.
    SpeakerOutput& tones() { return m_tones; }

    /// What the MIDI sequencer answers when the module is missing.
    static constexpr int kModuleMissing = 100;

private:
    bool load();

    class Wave final : public WaveChannel
    {
    public:
        explicit Wave(SoundOnDemand& sound) : m_sound(sound) {}
        bool play(const QString& path) override;

    private:
        SoundOnDemand& m_sound;
    };
    class Player final : public WavePlayer
    {
    public:
        explicit Player(SoundOnDemand& sound) : m_sound(sound) {}
        bool playWave(const QString& times, const QString& path) override;
        bool isPlaying() override;

    private:
        SoundOnDemand& m_sound;
    };
    class Midi final : public MidiSequencer
    {
    public:
        explicit Midi(SoundOnDemand& sound) : m_sound(sound) {}
        int sendCommand(const QString& command) override;
        QString failureReason() const override;
        bool isPlaying() override;

    private:
        SoundOnDemand& m_sound;
    };
    class Tones final : public SpeakerOutput
    {
    public:
        explicit Tones(SoundOnDemand& sound) : m_sound(sound) {}
        bool isPresent() override;
        void playTones(const QList<SpeakerTone>& tones) override;
        bool isSounding() override;

    private:
        SoundOnDemand& m_sound;
    };

    QStringList m_modulePaths;
    QString m_soundFont;
    int m_idleCloseMs;
    QLibrary m_library;
    std::unique_ptr<SoundBackend> m_backend;
    QString m_failure;
    Wave m_wave{*this};
    Player m_wavePlayer{*this};
    Midi m_midi{*this};
    Tones m_tones{*this};
};
