// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/io/settings_file.h"

#include <cmath>
#include <limits>

#include <QFile>
#include <QFileInfo>

#include "core/io/code_page.h"
#include "platform/file_writer.h"

namespace {

// A settings file larger than this is not Ixo's: it is left alone rather than loaded whole and rewritten.
constexpr qint64 kMaxFileSize = 1024 * 1024;

QByteArray fixedText(const QString& text, int width)
{
    // A text too long for its field is cut between characters, never inside one.
    QByteArray bytes = toCodePage(text);
    for (qsizetype n = text.size(); bytes.size() > width; bytes = toCodePage(text.left(n))) {
        --n;
        if (n > 0 && text.at(n - 1).isHighSurrogate())
            --n;
    }
    bytes.append(width - bytes.size(), ' ');
    return bytes;
}

void putInt16(QByteArray& bytes, int offset, qint16 value)
{
    const auto u = static_cast<quint16>(value);
    bytes[offset] = static_cast<char>(u & 0xFF);
    bytes[offset + 1] = static_cast<char>(u >> 8);
}

qint16 getInt16(const QByteArray& bytes, int offset)
{
    const auto lo = static_cast<quint8>(bytes.at(offset));
    const auto hi = static_cast<quint8>(bytes.at(offset + 1));
    return static_cast<qint16>(static_cast<quint16>(lo | (hi << 8)));
}

} // namespace

QByteArray IniRecord::toBytes() const
{
    QByteArray bytes;
    bytes.reserve(kSize);
    bytes += fixedText(sectionName, kSectionWidth);
    bytes += QByteArray(4, '\0');
    putInt16(bytes, kSectionWidth, data1);
    putInt16(bytes, kSectionWidth + 2, data2);
    bytes += fixedText(data, kDataWidth);
    return bytes;
}

IniRecord IniRecord::fromBytes(const QByteArray& input)
{
    QByteArray bytes = input.left(kSize);
    bytes.append(kSize - bytes.size(), '\0');
    IniRecord record;
    record.sectionName = fromCodePage(bytes.left(kSectionWidth));
    record.data1 = getInt16(bytes, kSectionWidth);
    record.data2 = getInt16(bytes, kSectionWidth + 2);
    record.data = fromCodePage(bytes.mid(kSectionWidth + 4, kDataWidth));
    return record;
}

bool IniRecord::fits(const QString& text, int width)
{
    return toCodePage(text).size() <= width;
}

QString IniRecord::section() const
{
    return trimBlanks(sectionName);
}

QString IniRecord::value() const
{
    return trimBlanks(data);
}

SettingsFile::SettingsFile(const QString& appPath) : m_path(appPath + QStringLiteral("ixo.ini")) {}

bool SettingsFile::exists() const
{
    return QFileInfo(m_path).isFile();
}

std::optional<IniRecord> SettingsFile::readSlot(int n) const
{
    if (n < 1 || n > kMaxSlot)
        return std::nullopt;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 offset = qint64(n - 1) * IniRecord::kSize;
    if (file.size() < offset + IniRecord::kSize || !file.seek(offset))
        return std::nullopt;
    const QByteArray bytes = file.read(IniRecord::kSize);
    if (bytes.size() != IniRecord::kSize)
        return std::nullopt;
    return IniRecord::fromBytes(bytes);
}

bool SettingsFile::writeSlot(int n, const IniRecord& record, QString* reason) const
{
    return writeSlots({{n, record}}, reason);
}

bool SettingsFile::writeSlots(const QList<std::pair<int, IniRecord>>& records, QString* reason) const
{
    const auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    QByteArray content;
    if (QFileInfo(m_path).isFile()) {
        QFile file(m_path);
        if (file.size() > kMaxFileSize)
            return fail(QStringLiteral("the file is too large to be Ixo's settings"));
        if (!file.open(QIODevice::ReadOnly))
            return fail(file.errorString());
        content = file.readAll(); // all of it: the other slots are written back as they are
        if (file.error() != QFileDevice::NoError)
            return fail(file.errorString());
    }
    for (const auto& [n, record] : records) {
        if (n < 1 || n > kMaxSlot)
            return fail(QStringLiteral("there is no slot %1").arg(n));
        const int offset = (n - 1) * IniRecord::kSize;
        if (content.size() < offset + IniRecord::kSize)
            content.append(offset + IniRecord::kSize - content.size(), '\0');
        content.replace(offset, IniRecord::kSize, record.toBytes());
    }
    return writeWholeFile(m_path, content, reason);
}

qint16 toRecordInt(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = std::nearbyint(value); // the default rounding mode is half to even
    if (rounded > std::numeric_limits<qint16>::max())
        return std::numeric_limits<qint16>::max();
    if (rounded < std::numeric_limits<qint16>::min())
        return std::numeric_limits<qint16>::min();
    return static_cast<qint16>(rounded);
}
