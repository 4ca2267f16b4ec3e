#pragma once

#include <cmath>
#include <numbers>

#include <QByteArray>
#include <QFile>
#include <QString>

// Small sound files written by the tests themselves.
namespace SoundFiles {

/// Appends `v` as `bytes` bytes, little-endian or big-endian.
inline void append(QByteArray& out, quint32 v, int bytes, bool bigEndian = false)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char(v >> 8 * (bigEndian ? bytes - 1 - i : i)));
}

/// A 16-bit mono PCM wave file's bytes. `declaredDataBytes` < 0 declares the real length.
inline QByteArray waveBytes(const QList<qint16>& samples, int rate = 44100, qint64 declaredDataBytes = -1)
{
    const quint32 dataBytes = quint32(samples.size() * 2);
    const quint32 declared = declaredDataBytes < 0 ? dataBytes : quint32(declaredDataBytes);
    QByteArray out("RIFF");
    append(out, 36 + declared, 4);
    out.append("WAVEfmt ");
    append(out, 16, 4);
    append(out, 1, 2); // PCM
    append(out, 1, 2); // mono
    append(out, quint32(rate), 4);
    append(out, quint32(rate * 2), 4);
    append(out, 2, 2);
    append(out, 16, 2);
    out.append("data");
    append(out, declared, 4);
    for (qint16 s : samples)
        append(out, quint16(s), 2);
    return out;
}

/// A sine burst of `toneMs` at `hertz`, followed by `silenceMs` of silence.
inline QList<qint16> burst(int toneMs, int silenceMs, double hertz = 1000, int rate = 44100)
{
    QList<qint16> samples;
    const int toneFrames = toneMs * rate / 1000;
    for (int i = 0; i < toneFrames; ++i)
        samples.append(qint16(std::lround(16000 * std::sin(2 * std::numbers::pi * hertz * i / rate))));
    samples.append(QList<qint16>(silenceMs * rate / 1000, 0));
    return samples;
}

/// A short MIDI tune (format 0, four notes of an eighth each at 120 beats a minute).
inline QByteArray midiTuneBytes()
{
    QByteArray track;
    for (char note : {char(60), char(64), char(67), char(72)}) {
        track.append('\0');
        track.append("\x90", 1);
        track.append(note);
        track.append(char(100));
        track.append("\x81\x70", 2); // 240 ticks
        track.append("\x80", 1);
        track.append(note);
        track.append('\0');
    }
    track.append("\x00\xff\x2f\x00", 4);
    QByteArray out("MThd");
    append(out, 6, 4, true);
    append(out, 0, 2, true);
    append(out, 1, 2, true);
    append(out, 480, 2, true);
    out.append("MTrk");
    append(out, quint32(track.size()), 4, true);
    out.append(track);
    return out;
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace SoundFiles
