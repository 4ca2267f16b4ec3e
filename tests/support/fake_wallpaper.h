// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "platform/picture_converter.h"
#include "platform/wallpaper_setter.h"

// Records the wallpapers set; an empty path stands for a cleared wallpaper.
class FakeWallpaper final : public WallpaperSetter
{
public:
    void setWallpaper(const QString& path) override { shown.append(path); }
    void clearWallpaper() override { shown.append(QString()); }
    QStringList shown;
};

// Copies the picture instead of converting it; refuses missing files and those named in `undecodable`, and
// writes nothing while `unwritable` holds a reason.
class FakePictureConverter final : public PictureConverter
{
public:
    BmpConversion convertToBmp(const QString& source, const QString& target) override
    {
        if (undecodable.contains(QFileInfo(source).fileName()) || !QFileInfo(source).isFile())
            return {BmpConversion::Undecodable, {}};
        if (!unwritable.isEmpty())
            return {BmpConversion::NotWritten, unwritable};
        QFile::remove(target);
        return QFile::copy(source, target) ? BmpConversion{BmpConversion::Written, {}}
                                           : BmpConversion{BmpConversion::NotWritten, QStringLiteral("copy failed")};
    }
    QStringList undecodable;
    QString unwritable;
};
