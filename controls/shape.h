// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rgbcolor.h"
#include "twipgeometry.h"

#include <QPixmap>
#include <QWidget>

// A shape control: an oval filling its box, or a circle of the box's smaller
// side centred in it; opaque fill and a one-pixel solid outline.
class Shape : public QWidget, public TwipGeometry {
public:
    enum class Kind { Oval, Circle };

    Shape(Kind kind, QWidget* parent);

    RgbValue BackColor() const { return m_backColor; }
    RgbValue BorderColor() const { return m_borderColor; }
    void SetBackColor(RgbValue colour);
    void SetBorderColor(RgbValue colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawFace(QPainter& painter) const;

    Kind m_kind;
    // The antialiased outline drawn once for the size and colours: a mark
    // that a ray's repaint crosses is only copied again.
    QPixmap m_face;
    double m_outline = 0;
    RgbValue m_backColor = RGB(255, 255, 255);
    RgbValue m_borderColor = 0;
};
