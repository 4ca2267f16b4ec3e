// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#pragma once

#include <QString>
#include <QStringList>

// How a list entry becomes the wallpaper: a bitmap is shown as it is, a GIF or JPEG goes through the work bitmap,
// anything else is never shown.
enum class PictureKind { Bitmap, Converted, Other };

/// By the entry's ending, ignoring case: "bmp"; "gif", "jpg" (and ".jpeg"); anything else.
PictureKind pictureKind(const QString& entry);

/// The work bitmap a GIF or JPEG is converted into, in the picture folder.
inline const QString kWorkBitmap = QStringLiteral("tmpFile.bmp");

/// The name the work bitmap takes when it is shown: "tmpFile-<number>.bmp".
QString shownCopyName(int number);
/// The number of a shown copy's name, or 0 when `name` is not one.
int shownCopyNumber(const QString& name);

/// The pictures the folder offers (BMP, GIF, JPEG files, not the work bitmaps), sorted by name ignoring case.
QStringList picturesIn(const QString& folder);
