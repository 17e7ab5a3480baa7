// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figure.h"
#include "screeninfo.h"

#include <QLineF>
#include <QRectF>
#include <optional>

class QPainter;

// Turns recorded figures into pixels on one area. It owns the mapping from the
// figure's drawing state to pens and brushes, and makes sure that nothing but
// finite coordinates inside the area (plus a pen's margin) reaches QPainter.
class SurfacePainter {
public:
    SurfacePainter(QPainter* painter, const ScreenInfo& screen, const QRectF& pixelArea);

    void draw(const Figure& figure);

    // Where a figure's line lands on the device, clipped; nothing when it is not drawn.
    static std::optional<QLineF> lineOnDevice(const Figure& figure, const ScreenInfo& screen,
                                              const QRectF& pixelArea,
                                              double* dashOffset = nullptr);
    // The box of a figure's circle on the device; nothing when it misses the area.
    static std::optional<QRectF> circleOnDevice(const Figure& figure, const ScreenInfo& screen,
                                                const QRectF& pixelArea);

private:
    void drawLine(const Figure& figure);
    void drawDashes(const QLineF& line, int width, double offset);
    void drawCircle(const Figure& figure);

    QPainter* m_painter;
    ScreenInfo m_screen;
    QRectF m_area;
};
