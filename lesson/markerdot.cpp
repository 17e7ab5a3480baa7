// SPDX-License-Identifier: GPL-3.0-or-later
#include "markerdot.h"

#include <QPainter>
#include <cmath>

MarkerDot::MarkerDot(double diameter, QGraphicsItem* parent)
    : QGraphicsEllipseItem(-diameter / 2, -diameter / 2, diameter, diameter, parent) {}

void MarkerDot::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    const QRectF box = boundingRect();
    const qreal ratio = painter->device()->devicePixelRatioF();
    const QColor colour = brush().color();
    if (m_face.isNull() || m_faceColour != colour || m_face.devicePixelRatio() != ratio) {
        m_face = QPixmap((box.size() * ratio).toSize() + QSize(1, 1));
        m_face.setDevicePixelRatio(ratio);
        m_face.fill(Qt::transparent);
        m_faceColour = colour;
        QPainter face(&m_face);
        face.setRenderHint(QPainter::Antialiasing);
        face.translate(-box.topLeft());
        face.setPen(pen());
        face.setBrush(brush());
        face.drawEllipse(rect());
    }
    painter->drawPixmap(box.topLeft(), m_face);
}
