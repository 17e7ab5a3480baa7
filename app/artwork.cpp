// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

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

namespace {
// An image of a laid-out size at a scale, with the painter set to draw in
// laid-out pixels.
QImage scaledImage(QSize laidOut, double scale) {
    const QSize size(std::max(1, int(std::lround(laidOut.width() * scale))),
                     std::max(1, int(std::lround(laidOut.height() * scale))));
    return QImage(size, QImage::Format_RGB888);
}
} // namespace

QImage emblem(double scale) {
    QImage image = scaledImage(QSize(30, 30), scale);
    image.fill(QColor(255, 255, 224));
    QPainter painter(&image);
    painter.scale(image.width() / 30.0, image.height() / 30.0);
    drawLensAndRays(painter, 30);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (scale == 1) {
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(0, 0, 29, 29);
    } else {
        // The frame one laid-out pixel wide, inside the picture.
        painter.resetTransform();
        const int t = std::max(1, int(std::lround(scale)));
        const QColor grey(128, 128, 128);
        painter.fillRect(0, 0, image.width(), t, grey);
        painter.fillRect(0, image.height() - t, image.width(), t, grey);
        painter.fillRect(0, 0, t, image.height(), grey);
        painter.fillRect(image.width() - t, 0, t, image.height(), grey);
    }
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

QImage lensButton(bool converging, double scale) {
    QImage image = scaledImage(QSize(26, 40), scale);
    image.fill(QColor(0, 128, 128));
    QPainter painter(&image);
    painter.scale(image.width() / 26.0, image.height() / 40.0);
    if (scale != 1)
        painter.setRenderHint(QPainter::Antialiasing);
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
