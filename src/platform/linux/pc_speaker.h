// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include <QString>

#include "platform/sound_devices.h"

// Plays tones on a PC-speaker input device (one that takes EV_SND/SND_TONE events) from a thread of its own:
// the kernel holds each tone until the next event, the thread times them and switches the speaker off after
// the last.
class EvdevToneWriter final
{
public:
    /// At most this many tones wait (four sweeps); a new tune pushes out the oldest waiting ones.
    static constexpr std::size_t kMaxWaitingTones = 120;

    /// Takes over the open, writable descriptor `fd`.
    explicit EvdevToneWriter(int fd);
    /// Cuts a tune short, leaving the speaker off.
    ~EvdevToneWriter();
    EvdevToneWriter(const EvdevToneWriter&) = delete;
    EvdevToneWriter& operator=(const EvdevToneWriter&) = delete;

    /// Queues tones after those still waiting, dropping the oldest waiting ones beyond kMaxWaitingTones; false
    /// when the device failed.
    bool queue(const QList<SpeakerTone>& tones);
    /// Whether writing to the device has failed (it was unplugged, or refuses the events).
    bool hasFailed() const;
    /// Whether a tone sounds or waits.
    bool isBusy() const;
    /// Blocks until every queued tone has sounded and the speaker is off.
    void waitUntilIdle();

private:
    void run();
    bool writeTone(int hertz);

    int m_fd;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<SpeakerTone> m_tones;
    bool m_busy = false;
    bool m_stop = false;
    bool m_failed = false;
    std::thread m_thread;
};

// The internal speaker: the kernel's PC-speaker device when one can be written, otherwise `synthesized`, the
// tones played on the sound output.
class PcSpeaker final : public SpeakerOutput
{
public:
    explicit PcSpeaker(SpeakerOutput& synthesized, QString inputFolder = QStringLiteral("/dev/input"));
    ~PcSpeaker() override;

    bool isPresent() override;
    void playTones(const QList<SpeakerTone>& tones) override;
    bool isSounding() override;

    /// Whether tones go to the PC-speaker device rather than the sound output.
    bool usesDevice() const;

private:
    bool findDevice();

    SpeakerOutput& m_synthesized;
    QString m_inputFolder;
    std::unique_ptr<EvdevToneWriter> m_writer;
};
