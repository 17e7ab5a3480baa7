// SPDX-License-Identifier: GPL-3.0-or-later
#include "shape.h"

#include "screeninfo.h"

#include <QPainter>
#include <cmath>

Shape::Shape(Kind kind, QWidget* parent) : QWidget(parent), TwipGeometry(this), m_kind(kind) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::SetBackColor(RgbValue colour) {
    m_backColor = colour;
    m_face = QPixmap();
    update();
}

void Shape::SetBorderColor(RgbValue colour) {
    m_borderColor = colour;
    m_face = QPixmap();
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    const double outline = std::max(1.0, std::round(ScreenInfo::of(this).designPixels(1)));
    if (m_face.size() != pixels || m_face.devicePixelRatio() != ratio || m_outline != outline) {
        m_face = QPixmap(pixels);
        m_face.setDevicePixelRatio(ratio);
        m_face.fill(Qt::transparent);
        m_outline = outline;
        QPainter face(&m_face);
        drawFace(face);
    }
    QPainter(this).drawPixmap(0, 0, m_face);
}

// The outline is one laid-out pixel, scaled with the window, inside the box.
void Shape::drawFace(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing);
    const double inset = m_outline / 2;
    QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (m_kind == Kind::Circle) {
        const double side = std::min(box.width(), box.height());
        box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    painter.setPen(QPen(toQColor(m_borderColor), m_outline));
    painter.setBrush(toQColor(m_backColor));
    painter.drawEllipse(box);
}
