// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturebox.h"

#include "inputcodes.h"
#include "screeninfo.h"
#include "single.h"
#include "surfacepainter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), TwipGeometry(this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::SetBackColor(RgbValue colour) {
    m_backColor = colour;
    update();
}

void PictureBox::SetBorder(bool border) {
    m_border = border;
    update();
}

void PictureBox::SetPicture(const QImage& picture) {
    m_picture = picture;
    update();
}

void PictureBox::Line(double x1, double y1, double x2, double y2) {
    addLine(x1, y1, x2, y2, m_foreColor);
}

void PictureBox::Line(double x1, double y1, double x2, double y2, RgbValue colour) {
    addLine(x1, y1, x2, y2, colour);
}

void PictureBox::addLine(double x1, double y1, double x2, double y2, RgbValue colour) {
    record({Figure::Kind::Line, toSingle(x1), toSingle(y1), toSingle(x2), toSingle(y2), 0, colour});
}

void PictureBox::Circle(double x, double y, double radius, RgbValue colour) {
    const float cx = toSingle(x), cy = toSingle(y);
    record({Figure::Kind::Circle, cx, cy, cx, cy, toSingle(radius), colour});
}

void PictureBox::record(Figure figure) {
    figure.drawWidth = m_drawWidth;
    figure.drawStyle = m_drawStyle;
    figure.fillStyle = m_fillStyle;
    figure.fillColour = m_fillColor;
    m_figures.append(figure);
    update();
}

void PictureBox::Refresh() {
    m_figures.clear();
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(m_backColor));
    if (!m_picture.isNull())
        painter.drawImage(QPointF(0, 0), m_picture);
    SurfacePainter surface(&painter, ScreenInfo(logicalDpiX()), QRectF(rect()));
    for (const Figure& figure : m_figures)
        surface.draw(figure);
    if (m_border) {
        // A thin sunken frame, as a bordered picture box shows.
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(0, 0, width() - 1, 0);
        painter.drawLine(0, 0, 0, height() - 1);
        painter.setPen(QColor(255, 255, 255));
        painter.drawLine(width() - 1, 0, width() - 1, height() - 1);
        painter.drawLine(0, height() - 1, width() - 1, height() - 1);
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    InputCodes::report(onMouseDown, InputCodes::buttonCode(event->button()), event, this);
    event->accept();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    InputCodes::report(onMouseMove, InputCodes::buttonCode(event->buttons()), event, this);
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    if (onKeyDown)
        onKeyDown(InputCodes::keyCode(event->key()), InputCodes::shiftCode(event->modifiers()));
    else
        QWidget::keyPressEvent(event);
}
