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
    update();
}

void Shape::SetBorderColor(RgbValue colour) {
    m_borderColor = colour;
    update();
}

// The outline is one laid-out pixel, scaled with the window, inside the box.
void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double outline = std::max(1.0, std::round(ScreenInfo::of(this).designPixels(1)));
    const double inset = outline / 2;
    QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (m_kind == Kind::Circle) {
        const double side = std::min(box.width(), box.height());
        box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    painter.setPen(QPen(toQColor(m_borderColor), outline));
    painter.setBrush(toQColor(m_backColor));
    painter.drawEllipse(box);
}
