// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rgbcolor.h"

#include <QWidget>

// A line control: a straight line between two points of its container, in
// twips; it covers the container and leaves clipping to it.
class LineControl : public QWidget {
public:
    LineControl(QWidget* parent, float x1, float y1, float x2, float y2, RgbValue colour,
                int widthPixels);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    float m_x1, m_y1, m_x2, m_y2;
    RgbValue m_colour;
    int m_width;
};
