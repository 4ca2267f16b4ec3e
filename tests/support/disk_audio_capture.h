// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <cstdlib>
#include <vector>

#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QThread>
#include <QtEndian>

// Reads what SDL's disk audio driver renders (16-bit stereo at 44100 Hz) and looks at it. The driver writes
// faster than real time; the waits wait on what is written, and their generous bound only keeps a broken test
// from hanging (a busy machine may slow the driver down a great deal).
class DiskAudioCapture
{
public:
    static constexpr int kRate = 44100;
    static constexpr int kBytesPerFrame = 4;
    /// More than what the mixer may have mixed but not yet written when a sound starts or stops.
    static constexpr qint64 kMarginBytes = 8 * 2048 * kBytesPerFrame;
    static constexpr int kLimitMs = 120000;
    using Samples = std::vector<qint16>;

    /// Points SDL at the disk driver writing to `path`; call before the audio opens. A 1 ms pause per buffer
    /// still renders some 40 times faster than real time without filling the disk and a core with silence.
    explicit DiskAudioCapture(QString path) : m_path(std::move(path))
    {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(m_path));
        qputenv("SDL_DISKAUDIODELAY", "1");
    }

    /// Bytes rendered so far (0 before the output opens).
    qint64 size() const { return QFile(m_path).size() / kBytesPerFrame * kBytesPerFrame; }

    /// Waits until `done` holds, for at most kLimitMs of wall-clock time.
    template <typename Done> static bool waitFor(Done done)
    {
        QElapsedTimer timer;
        timer.start();
        while (!done() && timer.elapsed() < kLimitMs)
            QThread::msleep(1);
        return done();
    }

    /// Left-channel samples of everything rendered so far.
    Samples samples() const
    {
        QFile file(m_path);
        Samples out;
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : "";
        for (qsizetype i = 0; i + kBytesPerFrame <= bytes.size(); i += kBytesPerFrame)
            out.push_back(qFromLittleEndian<qint16>(bytes.constData() + i));
        return out;
    }

    static int peak(const Samples& samples, std::size_t from = 0)
    {
        int top = 0;
        for (std::size_t i = from; i < samples.size(); ++i)
            top = std::max(top, std::abs(int(samples[i])));
        return top;
    }

    /// The frequency of the samples [from, to) from the sign changes between their first and last one.
    static double crossingFrequency(const Samples& samples, std::size_t from, std::size_t to)
    {
        std::vector<std::size_t> crossings;
        for (std::size_t i = from + 1; i < to && i < samples.size(); ++i)
            if ((samples[i - 1] < 0) != (samples[i] < 0))
                crossings.push_back(i);
        const std::size_t n = crossings.size();
        return n < 2 ? 0 : (n - 1) / 2.0 * kRate / double(crossings.back() - crossings.front());
    }

private:
    QString m_path;
};
