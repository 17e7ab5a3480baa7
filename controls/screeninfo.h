// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineF>
#include <QPointF>
#include <QRect>
#include <QSize>

class QWidget;

// The one place where twips meet pixels. The logic measures everything in twips
// (1/1440 inch); the screen counts device-independent pixels at its logical DPI
// (96 dpi: 15 twips a pixel). The whole window scales by one zoom factor, which
// lives here too, and the window's laid-out face may stand centred in a larger
// window: its origin is the pixel where twip (0, 0) of the window lies. Every
// other piece of code goes through here.
class ScreenInfo {
public:
    explicit ScreenInfo(double logicalDpi = 96.0, double zoom = 1.0, QPointF origin = QPointF());

    // The conversion for drawing on a control and for the positions it reports.
    static ScreenInfo of(const QWidget* control);
    // The conversion for placing a control in its container: the controls of the
    // window itself stand on its centred face.
    static ScreenInfo ofContainer(const QWidget* control);
    // The zoom factor of a window and where its face begins; 1 and (0, 0) until set.
    static void setWindowScale(QWidget* window, double zoom, QPointF origin);
    static double zoomOf(const QWidget* widget);
    // A picture's scale (device pixels a laid-out pixel) bounded so that the
    // picture of this laid-out size is no larger than the control's screen in
    // device pixels: more could never show, and an absurd scale factor or
    // font resolution would otherwise ask for gigabytes.
    static double boundedPictureScale(const QWidget* control, double scale, QSize laidOut);
    // Whether the control's screen leaves room for another window (a graph, a
    // dialog, a message) at its scale. Under an absurd scale factor a window's
    // smallest size would ask for gigabytes of device pixels and fit no
    // screen: such a window is not built.
    static bool roomForWindow(const QWidget* control);

    double zoom() const { return m_zoom; }
    double pixelsPerTwip() const { return m_pixelsPerTwip; }

    // Lengths.
    double toPixels(double twips) const { return twips * m_pixelsPerTwip; }
    double toTwips(double pixels) const { return pixels / m_pixelsPerTwip; }
    // Points (the origin applies).
    QPointF toPixels(QPointF twips) const { return twips * m_pixelsPerTwip + m_origin; }
    QPointF toTwips(QPointF pixels) const { return (pixels - m_origin) / m_pixelsPerTwip; }

    // A length given in pixels of the layout as drawn at 96 dpi and factor 1 (a
    // line width, a picture's size), in pixels now.
    double designPixels(double pixels) const { return toPixels(pixels * kTwipsPerDesignPixel); }
    // A stroke's width in whole pixels now: rounded up, never below one, so a
    // one-pixel construction line of the layout is two pixels as soon as the
    // window is enlarged at all (thin lines vanish on a projector).
    int strokePixels(double designWidth) const;

    // A control's box in whole pixels: each edge is rounded on its own, so boxes
    // that touch in twips touch in pixels, and a box of any width or height keeps
    // at least one pixel of it. Returns false when the box lies so far away that
    // its pixel coordinates would not fit a widget's int geometry.
    bool toPixelRect(double left, double top, double width, double height, QRect* out) const;

    static constexpr double kTwipsPerDesignPixel = 15;

private:
    double m_zoom;
    double m_pixelsPerTwip;
    QPointF m_origin;
};
