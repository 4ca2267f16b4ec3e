// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ixo developers
#include "ui/common/tray_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap clockFace(int size, bool crossed)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size / 32.0;
    p.scale(s, s);

    // Bells
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(crossed ? 0x80 : 0xC0, crossed ? 0x80 : 0x39, crossed ? 0x80 : 0x2B));
    p.drawEllipse(QPointF(7, 7), 5, 5);
    p.drawEllipse(QPointF(25, 7), 5, 5);
    // Face
    p.setBrush(crossed ? QColor(0xDD, 0xDD, 0xDD) : QColor(0xFF, 0xF8, 0xE1));
    p.setPen(QPen(crossed ? QColor(0x60, 0x60, 0x60) : QColor(0x33, 0x33, 0x33), 2.2));
    p.drawEllipse(QPointF(16, 18), 12, 12);
    // Hands
    p.setPen(QPen(QColor(0x22, 0x22, 0x22), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 18), QPointF(16, 10));
    p.drawLine(QPointF(16, 18), QPointF(22, 21));
    if (crossed) {
        p.setPen(QPen(QColor(0xB0, 0x00, 0x20), 3.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 29), QPointF(27, 7));
    }
    return pixmap;
}

QIcon drawn(bool crossed)
{
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64})
        icon.addPixmap(clockFace(size, crossed));
    return icon;
}

} // namespace

namespace TrayPictures {
QIcon normal()
{
    return drawn(false);
}
QIcon disabled()
{
    return drawn(true);
}
} // namespace TrayPictures
