// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineF>
#include <QPointF>
#include <QRect>

// The one place where twips meet pixels. The logic measures everything in twips
// (1/1440 inch); the screen counts device-independent pixels at its logical DPI
// (96 dpi: 15 twips a pixel). Every other piece of code goes through here.
class ScreenInfo {
public:
    explicit ScreenInfo(double logicalDpi = 96.0);

    double pixelsPerTwip() const { return m_pixelsPerTwip; }

    double toPixels(double twips) const { return twips * m_pixelsPerTwip; }
    double toTwips(double pixels) const { return pixels / m_pixelsPerTwip; }
    QPointF toPixels(QPointF twips) const { return twips * m_pixelsPerTwip; }
    QPointF toTwips(QPointF pixels) const { return pixels / m_pixelsPerTwip; }

    // A control's box in whole pixels: each edge is rounded on its own, so boxes
    // that touch in twips touch in pixels. Returns false when the box lies so far
    // away that its pixel coordinates would not fit a widget's int geometry.
    bool toPixelRect(double left, double top, double width, double height, QRect* out) const;

private:
    double m_pixelsPerTwip;
};
