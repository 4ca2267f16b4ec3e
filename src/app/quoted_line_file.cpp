#include "app/quoted_line_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "settings/code_page.h"

namespace QuotedLineFile {

QByteArray encode(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += '"';
        bytes += toCodePage(line);
        bytes += "\"\r\n";
    }
    return bytes;
}

QStringList decode(const QByteArray& bytes)
{
    QStringList items;
    const qsizetype n = bytes.size();
    auto isLineEnd = [&](qsizetype i) { return bytes.at(i) == '\r' || bytes.at(i) == '\n'; };
    auto skipLineEnd = [&](qsizetype i) {
        if (bytes.at(i) == '\r' && i + 1 < n && bytes.at(i + 1) == '\n')
            return i + 2;
        return i + 1;
    };

    qsizetype i = 0;
    while (i < n) {
        while (i < n && bytes.at(i) == ' ')
            ++i;
        if (i >= n)
            break;
        if (isLineEnd(i)) { // an empty line, or blanks only
            i = skipLineEnd(i);
            continue;
        }
        QByteArray item;
        if (bytes.at(i) == '"') {
            const qsizetype close = bytes.indexOf('"', i + 1);
            const qsizetype end = close < 0 ? n : close;
            item = bytes.mid(i + 1, end - i - 1);
            i = close < 0 ? n : close + 1;
            while (i < n && bytes.at(i) != ',' && !isLineEnd(i)) // the rest up to the separator is dropped
                ++i;
        } else {
            const qsizetype start = i;
            while (i < n && bytes.at(i) != ',' && !isLineEnd(i))
                ++i;
            item = bytes.mid(start, i - start);
            while (item.endsWith(' '))
                item.chop(1);
        }
        items.append(fromCodePage(item));
        if (i < n) {
            if (bytes.at(i) == ',')
                ++i;
            else
                i = skipLineEnd(i);
        }
    }
    return items;
}

bool write(const QString& path, const QStringList& lines, QString* error)
{
    const QByteArray bytes = encode(lines);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        if (error)
            *error = QStringLiteral("cannot create the folder of %1").arg(path);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
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
