// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/wallpaper/wallpaper_pictures.h"

#include <algorithm>

#include <QDir>
#include <QRegularExpression>

PictureKind pictureKind(const QString& entry)
{
    const QString ending = entry.right(3).toLower();
    if (ending == QLatin1String("bmp"))
        return PictureKind::Bitmap;
    if (ending == QLatin1String("gif") || ending == QLatin1String("jpg") ||
        entry.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive))
        return PictureKind::Converted;
    return PictureKind::Other;
}

QString shownCopyName(int number)
{
    return QStringLiteral("tmpFile-%1.bmp").arg(number);
}

int shownCopyNumber(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^tmpFile-([1-9][0-9]{0,8})\\.bmp$"));
    const QRegularExpressionMatch match = pattern.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QStringList picturesIn(const QString& folder)
{
    if (folder.isEmpty())
        return {};
    QStringList pictures;
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Readable);
    for (const QString& name : files) {
        if (name == kWorkBitmap || shownCopyNumber(name) != 0)
            continue;
        // A list line cannot hold a double quote or a line break.
        if (name.contains(QLatin1Char('"')) || name.contains(QLatin1Char('\n')) || name.contains(QLatin1Char('\r')))
            continue;
        const QString suffix = name.section(QLatin1Char('.'), -1).toLower();
        if (name.contains(QLatin1Char('.')) && (suffix == QLatin1String("bmp") || suffix == QLatin1String("gif") ||
                                                suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")))
            pictures.append(name);
    }
    std::sort(pictures.begin(), pictures.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return pictures;
}
