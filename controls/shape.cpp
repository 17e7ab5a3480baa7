// SPDX-License-Identifier: GPL-3.0-or-later
#include "shape.h"

#include <QPainter>

Shape::Shape(Kind kind, QWidget* parent) : QWidget(parent), TwipGeometry(this), m_kind(kind) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::SetBackColor(RgbValue colour) {
    m_backColor = colour;
    update();
}

void Shape::SetBorderColor(RgbValue colour) {
    m_borderColor = colour;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_kind == Kind::Circle) {
        const double side = std::min(box.width(), box.height());
        box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    painter.setPen(QPen(toQColor(m_borderColor), 1));
    painter.setBrush(toQColor(m_backColor));
    painter.drawEllipse(box);
}
