// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "platform/linux/pc_speaker.h"

#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <linux/input.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

namespace {
bool hasBit(const unsigned long* bits, int bit)
{
    constexpr int kBitsPerLong = int(sizeof(unsigned long) * 8);
    return (bits[bit / kBitsPerLong] >> (bit % kBitsPerLong)) & 1UL;
}

// Whether the input device open as `fd` plays tones.
bool playsTones(int fd)
{
    unsigned long types[(EV_MAX + 1 + 8 * sizeof(unsigned long) - 1) / (8 * sizeof(unsigned long))] = {};
    unsigned long sounds[(SND_MAX + 1 + 8 * sizeof(unsigned long) - 1) / (8 * sizeof(unsigned long))] = {};
    if (ioctl(fd, EVIOCGBIT(0, sizeof(types)), types) < 0 || !hasBit(types, EV_SND))
        return false;
    return ioctl(fd, EVIOCGBIT(EV_SND, sizeof(sounds)), sounds) >= 0 && hasBit(sounds, SND_TONE);
}
} // namespace

EvdevToneWriter::EvdevToneWriter(int fd) : m_fd(fd), m_thread(&EvdevToneWriter::run, this) {}

EvdevToneWriter::~EvdevToneWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
    ::close(m_fd);
}

bool EvdevToneWriter::queue(const QList<SpeakerTone>& tones)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_failed)
            return false;
        m_tones.insert(m_tones.end(), tones.begin(), tones.end());
        // The newest tune always sounds, so a repeating alarm keeps sounding: the oldest waiting tones give way.
        while (m_tones.size() > kMaxWaitingTones)
            m_tones.pop_front();
    }
    m_wake.notify_all();
    return true;
}

bool EvdevToneWriter::hasFailed() const
{
    std::lock_guard lock(m_mutex);
    return m_failed;
}

bool EvdevToneWriter::isBusy() const
{
    std::lock_guard lock(m_mutex);
    return m_busy || !m_tones.empty();
}

void EvdevToneWriter::waitUntilIdle()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_stop || (m_tones.empty() && !m_busy); });
}

bool EvdevToneWriter::writeTone(int hertz)
{
    input_event event{};
    event.type = EV_SND;
    event.code = SND_TONE;
    event.value = hertz;
    ssize_t written;
    do
        written = ::write(m_fd, &event, sizeof(event));
    while (written < 0 && errno == EINTR);
    return written == ssize_t(sizeof(event));
}

void EvdevToneWriter::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || !m_tones.empty(); });
        if (m_stop)
            break;
        m_busy = true;
        bool ok = true;
        while (ok && !m_stop && !m_tones.empty()) {
            const SpeakerTone tone = m_tones.front();
            m_tones.pop_front();
            lock.unlock();
            ok = writeTone(int(std::lround(tone.frequency)));
            lock.lock();
            // Held until its time is up, or until the writer is asked to end.
            m_wake.wait_for(lock, std::chrono::milliseconds(tone.milliseconds), [this] { return m_stop; });
        }
        lock.unlock();
        ok = writeTone(0) && ok;
        lock.lock();
        if (!ok) {
            m_failed = true;
            m_tones.clear();
        }
        m_busy = false;
        m_idle.notify_all();
    }
    lock.unlock();
    writeTone(0);
    lock.lock();
    m_idle.notify_all();
}

PcSpeaker::PcSpeaker(SpeakerOutput& synthesized, QString inputFolder)
    : m_synthesized(synthesized), m_inputFolder(std::move(inputFolder))
{
}

PcSpeaker::~PcSpeaker() = default;

bool PcSpeaker::usesDevice() const
{
    return m_writer && !m_writer->hasFailed();
}

bool PcSpeaker::findDevice()
{
    if (usesDevice())
        return true;
    m_writer.reset();
    const QDir folder(m_inputFolder);
    const QStringList nodes = folder.entryList({QStringLiteral("event*")}, QDir::System | QDir::Files, QDir::Name);
    for (const QString& node : nodes) {
        const QByteArray path = QFile::encodeName(folder.filePath(node));
        const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0)
            continue;
        if (playsTones(fd)) {
            m_writer = std::make_unique<EvdevToneWriter>(fd);
            return true;
        }
        ::close(fd);
    }
    return false;
}

bool PcSpeaker::isPresent()
{
    return findDevice() || m_synthesized.isPresent();
}

void PcSpeaker::playTones(const QList<SpeakerTone>& tones)
{
    if (usesDevice())
        m_writer->queue(tones);
    else
        m_synthesized.playTones(tones);
}

bool PcSpeaker::isSounding()
{
    return usesDevice() ? m_writer->isBusy() : m_synthesized.isSounding();
}
