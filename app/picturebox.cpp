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
    Figure figure;
    figure.kind = Figure::Kind::Line;
    figure.x1 = toSingle(x1);
    figure.y1 = toSingle(y1);
    figure.x2 = toSingle(x2);
    figure.y2 = toSingle(y2);
    figure.colour = colour;
    figure.drawWidth = m_drawWidth;
    figure.drawStyle = m_drawStyle;
    figure.fillStyle = m_fillStyle;
    figure.fillColour = m_fillColor;
    m_figures.append(figure);
    update();
}

void PictureBox::Circle(double x, double y, double radius, RgbValue colour) {
    Figure figure;
    figure.kind = Figure::Kind::Circle;
    figure.x1 = toSingle(x);
    figure.y1 = toSingle(y);
    figure.x2 = figure.x1;
    figure.y2 = figure.y1;
    figure.radius = toSingle(radius);
    figure.colour = colour;
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
    if (onMouseDown) {
        const ScreenInfo screen(logicalDpiX());
        const QPointF at = screen.toTwips(event->position());
        onMouseDown(InputCodes::buttonCode(event->button()),
                    InputCodes::shiftCode(event->modifiers()), toSingle(at.x()), toSingle(at.y()));
    }
    event->accept();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    if (onMouseMove) {
        const ScreenInfo screen(logicalDpiX());
        const QPointF at = screen.toTwips(event->position());
        onMouseMove(InputCodes::buttonCode(event->buttons()),
                    InputCodes::shiftCode(event->modifiers()), toSingle(at.x()), toSingle(at.y()));
    }
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    if (onKeyDown)
        onKeyDown(InputCodes::keyCode(event->key()), InputCodes::shiftCode(event->modifiers()));
    else
        QWidget::keyPressEvent(event);
}
