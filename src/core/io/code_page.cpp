// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/io/code_page.h"

#include <algorithm>
#include <array>

#include <QStringDecoder>

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the unassigned ones map to the C1 control of the same value.
constexpr std::array<char16_t, 32> kHighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

bool toWindows1252(const QString& text, QByteArray* bytes)
{
    bytes->resize(text.size());
    char* out = bytes->data();
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            *out++ = static_cast<char>(u);
            continue;
        }
        const auto* found = std::find(kHighControls.begin(), kHighControls.end(), u);
        if (found == kHighControls.end())
            return false;
        *out++ = static_cast<char>(0x80 + (found - kHighControls.begin()));
    }
    return true;
}

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t(b));
    }
    return text;
}

QString fromUtf8Text(QByteArrayView bytes)
{
    // QString::fromUtf8 would drop a leading U+FEFF, and a text would not come back as it was written.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder(bytes);
}

bool isUtf8BeyondAscii(QByteArrayView bytes)
{
    return !isAscii(bytes) && bytes.isValidUtf8();
}

QByteArray toCodePage(const QString& text)
{
    QByteArray bytes;
    // Windows-1252 bytes that happen to be valid UTF-8 would be read back as other text: UTF-8 then.
    if (toWindows1252(text, &bytes) && !isUtf8BeyondAscii(bytes))
        return bytes;
    return text.toUtf8();
}

QString fromCodePage(QByteArrayView bytes)
{
    if (bytes.isValidUtf8())
        return fromUtf8Text(bytes);
    return fromWindows1252(bytes);
}

QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}
