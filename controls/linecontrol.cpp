// SPDX-License-Identifier: GPL-3.0-or-later
#include "linecontrol.h"

#include "screeninfo.h"

#include <QEvent>
#include <QPainter>

LineControl::LineControl(QWidget* parent, float x1, float y1, float x2, float y2, RgbValue colour,
                         int widthPixels)
    : QWidget(parent), m_x1(x1), m_y1(y1), m_x2(x2), m_y2(y2), m_colour(colour),
      m_width(widthPixels) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(parent->rect());
    parent->installEventFilter(this);
}

bool LineControl::eventFilter(QObject* watched, QEvent* event) {
    // Follow the container's size: the line lives in its coordinates.
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void LineControl::paintEvent(QPaintEvent*) {
    const ScreenInfo screen(logicalDpiX());
    QPainter painter(this);
    QPen pen(toQColor(m_colour), m_width);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.drawLine(screen.toPixels(QPointF(m_x1, m_y1)), screen.toPixels(QPointF(m_x2, m_y2)));
}
