// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "platform/linux/image_converter.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include "platform/file_writer.h"

BmpConversion ImageConverter::convertToBmp(const QString& source, const QString& target)
{
    QImageReader reader(source);
    reader.setAutoTransform(true);
    QImage picture = reader.read();
    if (picture.isNull())
        return {BmpConversion::Undecodable, reader.errorString()};
    // A bitmap has no transparency: transparent parts of a GIF become white, as on a plain desktop.
    if (picture.hasAlphaChannel()) {
        QImage opaque(picture.size(), QImage::Format_RGB32);
        opaque.fill(Qt::white);
        opaque.setDevicePixelRatio(picture.devicePixelRatio());
        QImage source32 = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < opaque.height(); ++y) {
            auto* out = reinterpret_cast<QRgb*>(opaque.scanLine(y));
            const auto* in = reinterpret_cast<const QRgb*>(source32.constScanLine(y));
            for (int x = 0; x < opaque.width(); ++x) {
                const int a = qAlpha(in[x]);
                out[x] = qRgb(qRed(in[x]) + 255 - a, qGreen(in[x]) + 255 - a, qBlue(in[x]) + 255 - a);
            }
        }
        picture = opaque;
    } else {
        picture = picture.convertToFormat(QImage::Format_RGB32);
    }

    // The bitmap is made in memory and written whole, so a file that cannot take it keeps what it held.
    QBuffer bitmap;
    QImageWriter writer(&bitmap, "bmp");
    if (!bitmap.open(QIODevice::WriteOnly) || !writer.write(picture))
        return {BmpConversion::NotWritten, writer.errorString()};
    if (QString reason; !writeWholeFile(target, bitmap.data(), &reason))
        return {BmpConversion::NotWritten, reason};
    return {BmpConversion::Written, {}};
}
