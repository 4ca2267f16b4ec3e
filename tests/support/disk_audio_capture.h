#pragma once

#include <cstdlib>
#include <vector>

#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QThread>
#include <QtEndian>

// Reads what SDL's disk audio driver renders (16-bit stereo at 44100 Hz) and looks at it. The driver writes
// faster than real time; the waits below wait on what is written, and their generous bound only keeps a broken
// test from hanging (a busy machine may slow the driver down a great deal).
class DiskAudioCapture
{
public:
    static constexpr int kRate = 44100;
    static constexpr int kBytesPerFrame = 4;
    /// More than what the mixer may have mixed but not yet written when a sound starts or stops.
    static constexpr qint64 kMarginBytes = 8 * 2048 * kBytesPerFrame;
    static constexpr int kLimitMs = 120000;

    explicit DiskAudioCapture(QString path) : m_path(std::move(path)) {}

    /// Points SDL at the disk driver writing to this capture's file; call before the audio opens. With a 1 ms
    /// pause per buffer the driver still renders some 40 times faster than real time, without filling the
    /// disk and a processor core with silence as it does with no pause at all.
    void selectDriver() const
    {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(m_path));
        qputenv("SDL_DISKAUDIODELAY", "1");
    }

    QString path() const { return m_path; }

    /// Bytes rendered so far (0 before the output opens).
    qint64 size() const { return QFile(m_path).size() / kBytesPerFrame * kBytesPerFrame; }

    /// Waits until `done` holds, for at most `limitMs` of wall-clock time.
    template <typename Done> static bool waitFor(Done done, int limitMs = kLimitMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (!done()) {
            if (timer.elapsed() > limitMs)
                return false;
            QThread::msleep(1);
        }
        return true;
    }

    bool waitForSize(qint64 bytes) const
    {
        return waitFor([&] { return size() >= bytes; });
    }

    /// Left-channel samples of the bytes [from, to).
    std::vector<qint16> samples(qint64 from, qint64 to) const
    {
        QFile file(m_path);
        std::vector<qint16> out;
        if (!file.open(QIODevice::ReadOnly) || !file.seek(from))
            return out;
        const QByteArray bytes = file.read(to - from);
        for (qsizetype i = 0; i + kBytesPerFrame <= bytes.size(); i += kBytesPerFrame)
            out.push_back(qFromLittleEndian<qint16>(bytes.constData() + i));
        return out;
    }

    /// Stretches of sound (samples louder than `threshold`) separated by at least `gapMs` of quiet.
    static int countBursts(const std::vector<qint16>& samples, int threshold = 1000, int gapMs = 20)
    {
        const std::size_t gap = std::size_t(gapMs) * kRate / 1000;
        int bursts = 0;
        std::size_t quiet = gap;
        for (qint16 s : samples) {
            if (std::abs(int(s)) > threshold) {
                if (quiet >= gap)
                    ++bursts;
                quiet = 0;
            } else {
                ++quiet;
            }
        }
        return bursts;
    }

    static int peak(const std::vector<qint16>& samples, std::size_t from = 0, std::size_t to = std::size_t(-1))
    {
        int top = 0;
        for (std::size_t i = from; i < samples.size() && i < to; ++i)
            top = std::max(top, std::abs(int(samples[i])));
        return top;
    }

    /// Index of the first sample louder than `threshold`, or the size when there is none.
    static std::size_t firstSound(const std::vector<qint16>& samples, int threshold = 0)
    {
        std::size_t i = 0;
        while (i < samples.size() && std::abs(int(samples[i])) <= threshold)
            ++i;
        return i;
    }

    /// The frequency of the samples [from, to) from the sign changes between their first and last one.
    static double crossingFrequency(const std::vector<qint16>& samples, std::size_t from, std::size_t to)
    {
        int sign = 0;
        int crossings = 0;
        std::size_t first = 0;
        std::size_t last = 0;
        for (std::size_t i = from; i < to && i < samples.size(); ++i) {
            const int s = samples[i] > 0 ? 1 : (samples[i] < 0 ? -1 : 0);
            if (s == 0)
                continue;
            if (sign != 0 && s != sign) {
                if (crossings == 0)
                    first = i;
                last = i;
                ++crossings;
            }
            sign = s;
        }
        if (crossings < 2)
            return 0;
        return (crossings - 1) / 2.0 * kRate / double(last - first);
    }

private:
    QString m_path;
};
