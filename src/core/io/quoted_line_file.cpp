// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/io/quoted_line_file.h"

#include <QFile>

#include "core/io/code_page.h"
#include "platform/file_writer.h"

namespace QuotedLineFile {

QByteArray encode(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) {
        text += QLatin1Char('"');
        text += line;
        text += QLatin1String("\"\r\n");
    }
    return toCodePage(text);
}

QStringList decode(const QByteArray& bytes)
{
    QStringList items;
    ItemReader reader(bytes);
    QString item;
    while (reader.next(&item))
        items.append(item);
    return items;
}

ItemReader::ItemReader(QByteArrayView bytes) : m_bytes(bytes), m_utf8(bytes.isValidUtf8())
{
    if (m_utf8 && m_bytes.startsWith("\xEF\xBB\xBF"))
        m_pos = 3;
}

qsizetype ItemReader::afterLineEnd(qsizetype i) const
{
    if (m_bytes[i] == '\r' && i + 1 < m_bytes.size() && m_bytes[i + 1] == '\n')
        return i + 2;
    return i + 1;
}

bool ItemReader::next(QString* item)
{
    const qsizetype n = m_bytes.size();
    qsizetype i = m_pos;
    while (i < n) {
        while (i < n && m_bytes[i] == ' ')
            ++i;
        if (i >= n)
            break;
        if (isLineEnd(i)) { // an empty line, or blanks only
            i = afterLineEnd(i);
            continue;
        }
        QByteArrayView text;
        if (m_bytes[i] == '"') {
            const qsizetype close = m_bytes.indexOf('"', i + 1);
            const qsizetype end = close < 0 ? n : close;
            text = m_bytes.sliced(i + 1, end - i - 1);
            i = close < 0 ? n : close + 1;
            while (i < n && m_bytes[i] != ',' && !isLineEnd(i)) // the rest up to the separator is dropped
                ++i;
        } else {
            const qsizetype start = i;
            while (i < n && m_bytes[i] != ',' && !isLineEnd(i))
                ++i;
            text = m_bytes.sliced(start, i - start);
            while (text.endsWith(' '))
                text.chop(1);
        }
        if (i < n)
            i = m_bytes[i] == ',' ? i + 1 : afterLineEnd(i);
        m_pos = i;
        *item = m_utf8 ? fromUtf8Text(text) : fromWindows1252(text);
        return true;
    }
    m_pos = n;
    return false;
}

bool write(const QString& path, const QStringList& lines, QString* error)
{
    return writeWholeFile(path, encode(lines), error);
}

bool read(const QString& path, QStringList* items, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    *items = decode(file.readAll());
    return true;
}

} // namespace QuotedLineFile
