// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "platform/linux/sdl_audio.h"

#include <algorithm>
#include <cmath>

#include <QFile>
#include <QFileInfo>

#include <SDL.h>
#include <SDL_mixer.h>

namespace {
constexpr int kChannels = 2;
constexpr int kBufferFrames = 2048;
constexpr int kWaveChannel = 0;
// A wave file is read whole into memory; a bigger one is not taken for an alarm sound.
constexpr qint64 kMaxWaveBytes = 64 * 1024 * 1024;
// The speaker voice keeps at most this many tones (a few sweeps), so a fast repeat cannot pile up.
constexpr std::size_t kMaxQueuedTones = 120;
constexpr int kToneAmplitude = 8000;

QString sdlError()
{
    return QString::fromUtf8(SDL_GetError());
}

bool isRiffWave(const QByteArray& bytes)
{
    return bytes.size() >= 12 && bytes.startsWith("RIFF") && bytes.mid(8, 4) == "WAVE";
}
} // namespace

SdlAudio::SdlAudio(QString soundFont, int idleCloseMs) : m_soundFont(std::move(soundFont)), m_idleCloseMs(idleCloseMs)
{
    m_idleCheck.setInterval(std::clamp(idleCloseMs / 4, 100, 5000));
    m_idleCheck.callOnTimeout([this] { closeWhenIdle(); });
}

SdlAudio::~SdlAudio()
{
    close();
}

bool SdlAudio::open()
{
    if (m_open)
        return true;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_APP_NAME, "Ixo");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        m_lastError = sdlError();
        return false;
    }
    // The sound font must be known before the mixer opens: only then does a missing one make MIDI fail
    // instead of playing silence.
    Mix_SetSoundFonts(QFile::encodeName(m_soundFont).constData());
    Mix_Init(MIX_INIT_MID);
    // No format changes allowed: SDL converts, so the mixer always works in 16-bit stereo.
    if (Mix_OpenAudioDevice(kSampleRate, AUDIO_S16SYS, kChannels, kBufferFrames, nullptr, 0) != 0) {
        m_lastError = sdlError();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_ReserveChannels(1);
    Mix_SetPostMix(&SdlAudio::postMix, this);
    m_open = true;
    m_lastError.clear();
    if (m_idleCloseMs > 0) {
        m_quietFor.invalidate();
        m_idleCheck.start();
    }
    return true;
}

void SdlAudio::closeWhenIdle()
{
    if (isBusy()) {
        m_quietFor.invalidate();
        return;
    }
    if (!m_quietFor.isValid())
        m_quietFor.start();
    else if (m_quietFor.elapsed() >= m_idleCloseMs)
        close();
}

void SdlAudio::close()
{
    m_idleCheck.stop();
    if (!m_open)
        return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    Mix_SetPostMix(nullptr, nullptr);
    if (m_chunk)
        Mix_FreeChunk(m_chunk);
    m_chunk = nullptr;
    if (m_midi)
        Mix_FreeMusic(m_midi);
    m_midi = nullptr;
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    m_open = false;
    std::lock_guard lock(m_toneMutex);
    m_tones.clear();
}

SdlAudio::WaveResult SdlAudio::playWave(const QString& path, int extraLoops)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return WaveResult::Missing;
    if (!open())
        return WaveResult::NoDevice;
    if (info.size() > kMaxWaveBytes)
        return WaveResult::NotPlayable;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return WaveResult::NotPlayable;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || !isRiffWave(bytes))
        return WaveResult::NotPlayable;

    // The decoder copies the samples, converted to the output format, so the bytes may go after this.
    SDL_RWops* source = SDL_RWFromConstMem(bytes.constData(), static_cast<int>(bytes.size()));
    Mix_Chunk* chunk = source ? Mix_LoadWAV_RW(source, 1) : nullptr;
    if (!chunk)
        return WaveResult::NotPlayable;
    if (chunk->alen == 0) {
        Mix_FreeChunk(chunk);
        return WaveResult::NotPlayable;
    }

    stopWave();
    m_chunk = chunk;
    if (Mix_PlayChannel(kWaveChannel, m_chunk, extraLoops) < 0) {
        stopWave();
        return WaveResult::NotPlayable;
    }
    return WaveResult::Started;
}

void SdlAudio::stopWave()
{
    if (!m_open)
        return;
    // Halting takes the mixer's lock, so the chunk is no longer read once it returns.
    Mix_HaltChannel(kWaveChannel);
    if (m_chunk)
        Mix_FreeChunk(m_chunk);
    m_chunk = nullptr;
}

bool SdlAudio::isWavePlaying() const
{
    return m_open && Mix_Playing(kWaveChannel) != 0;
}

bool SdlAudio::loadMidi(const QString& path)
{
    freeMidi();
    if (!open())
        return false;
    SDL_RWops* source = SDL_RWFromFile(QFile::encodeName(path).constData(), "rb");
    if (!source)
        return false;
    m_midi = Mix_LoadMUSType_RW(source, MUS_MID, 1);
    return m_midi != nullptr;
}

bool SdlAudio::playMidi()
{
    return m_open && m_midi && Mix_PlayMusic(m_midi, 0) == 0;
}

void SdlAudio::freeMidi()
{
    if (!m_open || !m_midi)
        return;
    Mix_HaltMusic();
    Mix_FreeMusic(m_midi);
    m_midi = nullptr;
}

bool SdlAudio::isMidiPlaying() const
{
    return m_open && Mix_PlayingMusic() != 0;
}

bool SdlAudio::queueTones(const QList<SpeakerTone>& tones)
{
    if (!open())
        return false;
    std::lock_guard lock(m_toneMutex);
    for (const SpeakerTone& tone : tones) {
        const int frames = static_cast<int>(std::lround(tone.milliseconds * double(kSampleRate) / 1000.0));
        if (tone.frequency > 0 && frames > 0)
            m_tones.push_back(QueuedTone{tone.frequency / kSampleRate, frames});
    }
    // The newest tune always sounds, so a repeating alarm keeps sounding: the oldest tones give way.
    while (m_tones.size() > kMaxQueuedTones)
        m_tones.pop_front();
    return true;
}

bool SdlAudio::areTonesPending() const
{
    std::lock_guard lock(m_toneMutex);
    return !m_tones.empty();
}

bool SdlAudio::isBusy() const
{
    return isWavePlaying() || isMidiPlaying() || areTonesPending();
}

void SdlAudio::postMix(void* self, quint8* stream, int length)
{
    const int frames = length / int(sizeof(qint16) * kChannels);
    static_cast<SdlAudio*>(self)->mixTones(reinterpret_cast<qint16*>(stream), frames);
}

void SdlAudio::mixTones(qint16* samples, int frames)
{
    // Runs on the audio thread: a square wave added to whatever the mixer produced.
    std::lock_guard lock(m_toneMutex);
    for (int frame = 0; frame < frames && !m_tones.empty(); ++frame) {
        QueuedTone& tone = m_tones.front();
        const int value = m_tonePhase < 0.5 ? kToneAmplitude : -kToneAmplitude;
        for (int c = 0; c < kChannels; ++c) {
            qint16& sample = samples[frame * kChannels + c];
            sample = static_cast<qint16>(std::clamp(sample + value, -32768, 32767));
        }
        m_tonePhase += tone.step;
        m_tonePhase -= std::floor(m_tonePhase);
        if (--tone.framesLeft == 0)
            m_tones.pop_front();
    }
    if (m_tones.empty())
        m_tonePhase = 0;
}
