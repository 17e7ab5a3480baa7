// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include <QPainter>
#include <QPainterPath>

namespace Artwork {

namespace {
void drawLensAndRays(QPainter& painter, double size) {
    const double c = size / 2;
    painter.setRenderHint(QPainter::Antialiasing);
    // Biconvex lens body.
    QPainterPath lens;
    lens.moveTo(c, size * 0.1);
    lens.quadTo(c + size * 0.22, c, c, size * 0.9);
    lens.quadTo(c - size * 0.22, c, c, size * 0.1);
    painter.setPen(QPen(QColor(0, 0, 128), std::max(1.0, size / 32)));
    painter.setBrush(QColor(192, 192, 255));
    painter.drawPath(lens);
    // Two rays from the left meeting at the focus on the right.
    painter.setPen(QPen(QColor(200, 0, 0), std::max(1.0, size / 20)));
    painter.drawLine(QPointF(size * 0.05, size * 0.3), QPointF(c, size * 0.3));
    painter.drawLine(QPointF(c, size * 0.3), QPointF(size * 0.95, size * 0.62));
    painter.setPen(QPen(QColor(0, 140, 0), std::max(1.0, size / 20)));
    painter.drawLine(QPointF(size * 0.05, size * 0.7), QPointF(c, size * 0.7));
    painter.drawLine(QPointF(c, size * 0.7), QPointF(size * 0.95, size * 0.38));
}
} // namespace

QImage emblem() {
    QImage image(30, 30, QImage::Format_RGB888);
    image.fill(QColor(255, 255, 224));
    QPainter painter(&image);
    drawLensAndRays(painter, 30);
    painter.setPen(QColor(128, 128, 128));
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawRect(0, 0, 29, 29);
    return image;
}

QImage iconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawLensAndRays(painter, size);
    return image;
}

QIcon windowIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(iconImage(size)));
    return icon;
}

QImage lensButton(bool converging) {
    QImage image(26, 40, QImage::Format_RGB888);
    image.fill(QColor(0, 128, 128));
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(12, 4, 2, 32); // the bar, 2 pixels wide
    QPolygon top, bottom;
    if (converging) { // arrowheads pointing outwards
        top << QPoint(13, 1) << QPoint(6, 9) << QPoint(20, 9);
        bottom << QPoint(13, 39) << QPoint(6, 31) << QPoint(20, 31);
    } else { // pointing inwards
        top << QPoint(13, 9) << QPoint(6, 1) << QPoint(20, 1);
        bottom << QPoint(13, 31) << QPoint(6, 39) << QPoint(20, 39);
    }
    painter.drawPolygon(top);
    painter.drawPolygon(bottom);
    return image;
}

} // namespace Artwork
