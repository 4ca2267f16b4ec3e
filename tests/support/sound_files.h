#pragma once

#include <cmath>
#include <numbers>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

// Small sound files written by the tests themselves.
namespace SoundFiles {

inline void appendLe16(QByteArray& out, quint16 v)
{
    char bytes[2];
    qToLittleEndian(v, bytes);
    out.append(bytes, 2);
}

inline void appendLe32(QByteArray& out, quint32 v)
{
    char bytes[4];
    qToLittleEndian(v, bytes);
    out.append(bytes, 4);
}

inline void appendBe16(QByteArray& out, quint16 v)
{
    char bytes[2];
    qToBigEndian(v, bytes);
    out.append(bytes, 2);
}

inline void appendBe32(QByteArray& out, quint32 v)
{
    char bytes[4];
    qToBigEndian(v, bytes);
    out.append(bytes, 4);
}

/// A 16-bit mono PCM wave file's bytes. `declaredDataBytes` < 0 declares the real length.
inline QByteArray waveBytes(const QList<qint16>& samples, int rate = 44100, qint64 declaredDataBytes = -1)
{
    const quint32 dataBytes = quint32(samples.size() * 2);
    const quint32 declared = declaredDataBytes < 0 ? dataBytes : quint32(declaredDataBytes);
    QByteArray out("RIFF");
    appendLe32(out, 36 + declared);
    out.append("WAVEfmt ");
    appendLe32(out, 16);
    appendLe16(out, 1); // PCM
    appendLe16(out, 1); // mono
    appendLe32(out, quint32(rate));
    appendLe32(out, quint32(rate * 2));
    appendLe16(out, 2);
    appendLe16(out, 16);
    out.append("data");
    appendLe32(out, declared);
    for (qint16 s : samples)
        appendLe16(out, quint16(s));
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
    appendBe32(out, 6);
    appendBe16(out, 0);
    appendBe16(out, 1);
    appendBe16(out, 480);
    out.append("MTrk");
    appendBe32(out, quint32(track.size()));
    out.append(track);
    return out;
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace SoundFiles
