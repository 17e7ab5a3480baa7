#include "twipgeometry.h"

#include "screeninfo.h"

#include <QWidget>

void TwipGeometry::SetLeft(float left) {
    m_left = left;
    applyGeometry();
}

void TwipGeometry::SetTop(float top) {
    m_top = top;
    applyGeometry();
}

void TwipGeometry::SetWidth(float width) {
    m_width = width;
    applyGeometry();
}

void TwipGeometry::SetHeight(float height) {
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

void TwipGeometry::applyGeometry() {
    const ScreenInfo screen(m_widget->logicalDpiX());
    QRect pixels;
    const bool placeable = screen.toPixelRect(m_left, m_top, m_width, m_height, &pixels);
    if (placeable)
        m_widget->setGeometry(pixels);
    m_widget->setVisible(m_visible && placeable);
}
