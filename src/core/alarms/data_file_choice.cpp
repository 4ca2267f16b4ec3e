// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "core/alarms/data_file_choice.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>

namespace DataFileChoice {

namespace {
const QString kDat = QStringLiteral(".dat");
const QString kWpaper = QStringLiteral("wpaper.dat");

bool isWallpaperFile(const QString& name)
{
    return name.compare(kWpaper, Qt::CaseInsensitive) == 0;
}
} // namespace

QStringList listDataFiles(const QString& folder)
{
    QStringList names;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries)
        if (entry.isFile() && entry.fileName().endsWith(kDat, Qt::CaseInsensitive))
            names.append(entry.fileName());
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

bool acceptsChar(QChar c)
{
    const char16_t u = c.unicode();
    if (u > 0x7f)
        return true;
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') || u == '_' || u == '-' ||
           u == '.';
}

QString filterName(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text)
        if (acceptsChar(c))
            kept += c;
    return kept;
}

QString confirmCaption(Mode mode)
{
    switch (mode) {
    case Mode::Save:
        return kSave;
    case Mode::Edit:
        return kOpen;
    case Mode::Load:
        break;
    }
    return kLoad;
}

Outcome confirm(Mode mode, const QString& nameText, const ListState& list)
{
    Outcome out;
    out.nameText = nameText;
    auto warn = [&out](const QString& text) {
        out.warning = text;
        return out;
    };
    auto handOn = [&out](const QString& name) {
        out.names = {name};
        out.close = true;
        return out;
    };

    if (nameText.isEmpty() && list.entries.isEmpty())
        return warn(kNoFile);

    if (mode == Mode::Load) {
        if (!nameText.isEmpty())
            out.names.append(nameText);
        for (qsizetype i = 0; i < list.entries.size(); ++i)
            if (list.selected.value(i))
                out.names.append(list.entries.at(i));
        if (out.names.isEmpty())
            return warn(kNoFile);
        out.close = true;
        return out;
    }
    if (mode == Mode::Save) {
        if (!nameText.isEmpty()) {
            if (!nameText.endsWith(kDat, Qt::CaseInsensitive))
                out.nameText += kDat;
            if (isWallpaperFile(out.nameText))
                return warn(kWallpaperFile);
            return handOn(out.nameText);
        }
        if (!list.currentSelected())
            return warn(kNoFile);
        if (isWallpaperFile(list.entries.at(list.current)))
            return warn(kWallpaperFile);
        return handOn(list.entries.at(list.current));
    }
    // Edit
    if (!nameText.isEmpty()) {
        if (!nameText.endsWith(kDat, Qt::CaseSensitive))
            out.nameText += kDat;
        return handOn(out.nameText);
    }
    if (!list.currentSelected())
        return warn(kNoFile);
    return handOn(list.entries.at(list.current));
}

} // namespace DataFileChoice
