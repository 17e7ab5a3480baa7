// SPDX-License-Identifier: GPL-3.0-or-later
#include "linecontrol.h"

#include "screeninfo.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

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

// The width scales with the window in whole pixels. A line along an edge of
// its container (the lens-plane line at x = 0 of its strip) is drawn as a
// strip of whole pixels kept inside the container, so that no part of it falls
// outside and it never vanishes; slanted strokes are smoothed.
void LineControl::paintEvent(QPaintEvent*) {
    const ScreenInfo screen = ScreenInfo::of(this);
    const double scaledWidth = screen.designPixels(m_width);
    const QPointF a = screen.toPixels(QPointF(m_x1, m_y1));
    const QPointF b = screen.toPixels(QPointF(m_x2, m_y2));
    QPainter painter(this);
    const QColor colour = toQColor(m_colour);
    if (a.x() == b.x() || a.y() == b.y()) {
        // Rounded up: the strip between two boxes whose edges were rounded on
        // their own can be a pixel wider than the scaled width.
        const int width = std::max(1, int(std::ceil(scaledWidth - 1e-9)));
        const bool vertical = a.x() == b.x();
        const int across = vertical ? this->width() : height();
        const int start = std::clamp(int(std::floor((vertical ? a.x() : a.y()) - width / 2.0)), 0,
                                     std::max(0, across - width));
        const double from = std::min(vertical ? a.y() : a.x(), vertical ? b.y() : b.x());
        const double to = std::max(vertical ? a.y() : a.x(), vertical ? b.y() : b.x());
        const QRectF strip = vertical ? QRectF(start, from, width, to - from)
                                      : QRectF(from, start, to - from, width);
        painter.fillRect(strip.toAlignedRect(), colour);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(colour, std::max(1.0, std::round(scaledWidth)));
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.drawLine(a, b);
}
