// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "platform/linux/sdl_wave_channel.h"

#include "platform/linux/sdl_audio.h"

bool SdlWaveChannel::play(const QString& path)
{
    if (path.isEmpty()) {
        m_audio.stopWave();
        return true;
    }
    return m_audio.playWave(path, 0) == SdlAudio::WaveResult::Started;
}

int SdlWavePlayer::extraLoops(const QString& times)
{
    if (times == QLatin1String("twice"))
        return 1;
    if (times == QLatin1String("thrice"))
        return 2;
    if (times == QLatin1String("repeat"))
        return -1;
    // "once", and any word the alarm line should not have held: an alarm is better heard once than not.
    return 0;
}

bool SdlWavePlayer::playWave(const QString& times, const QString& path)
{
    return m_audio.playWave(path, extraLoops(times)) == SdlAudio::WaveResult::Started;
}

bool SdlWavePlayer::isPlaying()
{
    return m_audio.isWavePlaying();
}

bool SdlToneSpeaker::isPresent()
{
    return m_audio.open();
}

void SdlToneSpeaker::playTones(const QList<SpeakerTone>& tones)
{
    m_audio.queueTones(tones);
}

bool SdlToneSpeaker::isSounding()
{
    return m_audio.areTonesPending();
}
