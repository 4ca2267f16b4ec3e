#pragma once

#include <cmath>
#include <numbers>

#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QString>

// Small sound files (and other files) written and read by the tests themselves.
namespace SoundFiles {

inline constexpr quint32 kRate = 44100;

/// A 16-bit mono PCM wave file's bytes at kRate. `declaredDataBytes` < 0 declares the real length.
inline QByteArray waveBytes(const QList<qint16>& samples, qint64 declaredDataBytes = -1)
{
    const quint32 declared = quint32(declaredDataBytes < 0 ? samples.size() * 2 : declaredDataBytes);
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("RIFF", 4);
    s << quint32(36 + declared);
    s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << quint16(1) << kRate << kRate * 2 << quint16(2) << quint16(16);
    s.writeRawData("data", 4);
    s << declared;
    for (qint16 sample : samples)
        s << sample;
    return out;
}

/// A 1000 Hz sine burst of `toneMs`, followed by `silenceMs` of silence.
inline QList<qint16> burst(int toneMs, int silenceMs)
{
    QList<qint16> samples;
    for (int i = 0; i < int(toneMs * kRate / 1000); ++i)
        samples.append(qint16(std::lround(16000 * std::sin(2 * std::numbers::pi * 1000 * i / kRate))));
    return samples + QList<qint16>(int(silenceMs * kRate / 1000), 0);
}

/// The bytes of the file at `path`; none when it cannot be read.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString& path, const QByteArray& bytes, QFile::Permissions permissions = {})
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
           (!permissions || file.setPermissions(permissions));
}

} // namespace SoundFiles
