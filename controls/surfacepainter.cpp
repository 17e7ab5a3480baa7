// SPDX-License-Identifier: GPL-3.0-or-later
#include "surfacepainter.h"

#include "segmentclip.h"

#include <QPainter>
#include <QPen>
#include <cmath>

namespace {
// Dashes of six pixels with gaps of four, in units of the pen width (1 laid-out
// pixel for the dashed construction lines), so they scale with the pen.
const QVector<qreal> kDashPattern{6, 4};
constexpr double kDashPeriod = 10;

QRectF withMargin(const QRectF& area, double margin) {
    return area.adjusted(-margin, -margin, margin, margin);
}

// DrawWidth counts pixels of the layout at 96 dpi; the pen scales with the
// window and the DPI in whole pixels, so that lines stay crisp at every size.
int penWidth(const Figure& figure, const ScreenInfo& screen) {
    return screen.strokePixels(std::max(1, figure.drawWidth));
}
} // namespace

SurfacePainter::SurfacePainter(QPainter* painter, const ScreenInfo& screen, const QRectF& pixelArea)
    : m_painter(painter), m_screen(screen), m_area(pixelArea) {}

void SurfacePainter::draw(const Figure& figure) {
    if (figure.kind == Figure::Kind::Line)
        drawLine(figure);
    else
        drawCircle(figure);
}

std::optional<QLineF> SurfacePainter::lineOnDevice(const Figure& figure, const ScreenInfo& screen,
                                                   const QRectF& pixelArea, double* dashOffset) {
    const QLineF pixels(screen.toPixels(QPointF(figure.x1, figure.y1)),
                        screen.toPixels(QPointF(figure.x2, figure.y2)));
    // A margin of a few pens keeps the clipped ends outside the visible area.
    const int width = penWidth(figure, screen);
    const double margin = 2.0 + 2.0 * width;
    const auto clipped = clipSegment(pixels, withMargin(pixelArea, margin));
    if (!clipped)
        return std::nullopt;
    if (dashOffset) {
        // Keep the dashes where they would be on the whole segment.
        const double skipped = clipped->startFraction * std::hypot(pixels.dx(), pixels.dy());
        const double offset = std::fmod(skipped / width, kDashPeriod);
        *dashOffset = std::isfinite(offset) ? offset : 0.0;
    }
    return clipped->line;
}

std::optional<QRectF> SurfacePainter::circleOnDevice(const Figure& figure, const ScreenInfo& screen,
                                                     const QRectF& pixelArea) {
    const QPointF centre = screen.toPixels(QPointF(figure.x1, figure.y1));
    const double radius = screen.toPixels(std::fabs(double(figure.radius)));
    // Circles are dots here; one larger than any screen is not drawn at all.
    constexpr double kLargestRadius = 100000;
    if (!std::isfinite(centre.x()) || !std::isfinite(centre.y()) || !(radius <= kLargestRadius))
        return std::nullopt;
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    const double margin = 1.0 + penWidth(figure, screen);
    if (!withMargin(pixelArea, margin).intersects(box.adjusted(-0.5, -0.5, 0.5, 0.5)))
        return std::nullopt;
    return box;
}

void SurfacePainter::drawLine(const Figure& figure) {
    double dashOffset = 0;
    const auto line = lineOnDevice(figure, m_screen, m_area, &dashOffset);
    if (!line)
        return;
    const int width = penWidth(figure, m_screen);
    QPen pen(toQColor(figure.colour), width);
    pen.setCapStyle(Qt::FlatCap);
    if (figure.drawStyle == 1 && width > 1) {
        // A dashed pen wider than a pixel goes through the general stroker;
        // the same dashes drawn as solid pieces stay on the fast path.
        m_painter->setPen(pen);
        drawDashes(*line, width, dashOffset);
        return;
    }
    if (figure.drawStyle == 1) {
        pen.setDashPattern(kDashPattern);
        pen.setDashOffset(dashOffset);
    } else {
        // A square end covers a joint as a round one would at these widths,
        // and keeps the raster engine on its fast path for wide lines: a round
        // cap sends every ray through the general stroker.
        pen.setCapStyle(Qt::SquareCap);
    }
    m_painter->setPen(pen);
    m_painter->drawLine(*line);
}

// Dashes of the pattern along a line, the first `offset` pattern units
// already gone at its start, each a solid piece with flat ends.
void SurfacePainter::drawDashes(const QLineF& line, int width, double offset) {
    const double length = line.length();
    if (!(length > 0))
        return;
    const double on = kDashPattern[0] * width;
    const double period = kDashPeriod * width;
    QVector<QLineF> dashes;
    for (double start = -offset * width; start < length; start += period) {
        const double from = std::max(0.0, start);
        const double to = std::min(length, start + on);
        if (to > from)
            dashes.append(QLineF(line.pointAt(from / length), line.pointAt(to / length)));
    }
    m_painter->drawLines(dashes);
}

void SurfacePainter::drawCircle(const Figure& figure) {
    const auto box = circleOnDevice(figure, m_screen, m_area);
    if (!box)
        return;
    const int width = penWidth(figure, m_screen);
    if (m_screen.zoom() != 1 && width > 1 && figure.fillStyle == 0 && figure.drawStyle == 0) {
        // A scaled dot: the ring as a disc in the pen colour under a disc in
        // the fill colour, which the raster engine fills directly instead of
        // stroking a wide outline.
        const double half = width / 2.0;
        m_painter->setPen(Qt::NoPen);
        m_painter->setBrush(toQColor(figure.colour));
        m_painter->drawEllipse(box->adjusted(-half, -half, half, half));
        if (box->width() > width) {
            m_painter->setBrush(toQColor(figure.fillColour));
            m_painter->drawEllipse(box->adjusted(half, half, -half, -half));
        }
        return;
    }
    QPen pen(toQColor(figure.colour), width);
    if (figure.drawStyle == 1)
        pen.setDashPattern(kDashPattern);
    m_painter->setPen(pen);
    m_painter->setBrush(figure.fillStyle == 0 ? QBrush(toQColor(figure.fillColour))
                                              : QBrush(Qt::NoBrush));
    m_painter->drawEllipse(*box);
}
