// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "platform/linux/image_converter.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

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

    const QString folder = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(folder))
        return {BmpConversion::NotWritten, QStringLiteral("the folder cannot be created")};
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return {BmpConversion::NotWritten, file.errorString()};
    QImageWriter writer(&file, "bmp");
    if (!writer.write(picture)) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
        file.cancelWriting();
        return {BmpConversion::NotWritten, reason};
    }
    if (!file.commit())
        return {BmpConversion::NotWritten, file.errorString()};
    return {BmpConversion::Written, {}};
}
