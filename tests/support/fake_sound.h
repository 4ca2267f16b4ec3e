#pragma once

#include <QHash>
#include <QList>
#include <QStringList>

#include "platform/sound_devices.h"

// Sound outputs that play nothing and tell how they were asked.

class FakeWave final : public WaveChannel
{
public:
    bool sndPlaySound(const QString& path) override
    {
        calls.append(path);
        return true;
    }
    QStringList calls;
};

class FakeMci final : public MciDevice
{
public:
    int mciSendString(const QString& command) override
    {
        commands.append(command);
        return results.value(command, 0);
    }
    QStringList commands;
    QHash<QString, int> results; // what a command returns, 0 unless set
};

class FakeWavePlayer final : public WavePlayer
{
public:
    void PlayWave(const QString& times, const QString& path, qint16& iCanPlay) override
    {
        calls.append(QStringList{times, path});
        if (!playable)
            iCanPlay = 0;
    }
    QList<QStringList> calls;
    bool playable = true;
};

class FakeSpeaker final : public SpeakerOutput
{
public:
    bool isPresent() override { return present; }
    void playTones(const QList<SpeakerTone>& tones) override { sweeps.append(tones); }
    bool present = true;
    QList<QList<SpeakerTone>> sweeps;
};
