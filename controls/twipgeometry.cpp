// SPDX-License-Identifier: GPL-3.0-or-later
#include "twipgeometry.h"

#include "screeninfo.h"

#include <QWidget>

// A control set where it already stands is left alone: the focal marks are
// placed on every slider move, and the widget geometry need not follow then.
void TwipGeometry::SetLeft(float left) {
    if (left == m_left)
        return;
    m_left = left;
    applyGeometry();
}

void TwipGeometry::SetTop(float top) {
    if (top == m_top)
        return;
    m_top = top;
    applyGeometry();
}

void TwipGeometry::SetWidth(float width) {
    if (width == m_width)
        return;
    m_width = width;
    applyGeometry();
}

void TwipGeometry::SetHeight(float height) {
    if (height == m_height)
        return;
    m_height = height;
    applyGeometry();
}

void TwipGeometry::SetVisible(bool visible) {
    m_visible = visible;
    applyGeometry();
}

void TwipGeometry::Place(float left, float top, float width, float height) {
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    applyGeometry();
}

void TwipGeometry::SetFont(const QFont& font) {
    m_font = font;
    applyGeometry();
}

void TwipGeometry::applyGeometry() {
    const ScreenInfo screen = ScreenInfo::ofContainer(m_widget);
    if (m_font) {
        QFont scaled = *m_font;
        scaled.setPointSizeF(m_font->pointSizeF() * screen.zoom());
        if (scaled != m_widget->font())
            m_widget->setFont(scaled);
    }
    QRect pixels;
    const bool placeable = screen.toPixelRect(m_left, m_top, m_width, m_height, &pixels);
    if (placeable)
        m_widget->setGeometry(pixels);
    m_widget->setVisible(m_visible && placeable);
}
