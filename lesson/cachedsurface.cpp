// SPDX-License-Identifier: GPL-3.0-or-later
#include "cachedsurface.h"

#include <QEvent>
#include <QPainter>

CachedSurface::CachedSurface(QWidget* parent) : QWidget(parent), TwipGeometry(this) {}

void CachedSurface::redraw() {
    m_drawn = QPixmap();
    update();
}

void CachedSurface::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (m_drawn.size() != size() * ratio || m_drawn.devicePixelRatio() != ratio) {
        m_drawn = QPixmap(size() * ratio);
        m_drawn.setDevicePixelRatio(ratio);
        QPainter drawing(&m_drawn);
        drawing.setFont(font());
        draw(drawing);
    }
    QPainter(this).drawPixmap(0, 0, m_drawn);
}

void CachedSurface::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        m_drawn = QPixmap();
    QWidget::changeEvent(event);
}
