// SPDX-License-Identifier: GPL-3.0-or-later
#include "figureregion.h"

#include "surfacepainter.h"

#include <algorithm>
#include <cmath>

namespace {
// A slanting line is cut into pieces whose boxes are at most this many pixels
// across its shorter side: fewer pieces than this leave large empty corners to
// repaint, more only cost the region's bookkeeping.
constexpr double kPieceSpan = 64;

// What a pen of `width` pixels may touch beyond its geometric line: half the
// width across it, a square cap's half width beyond each end (a diagonal's
// corner reaches 0.71 of the width), and a pixel of rounding either way.
double penReach(int width) {
    return width + 2.0;
}
} // namespace

QRegion figureRegion(const Figure& figure, const ScreenInfo& screen, const QRectF& pixelArea) {
    const int width = screen.strokePixels(std::max(1, figure.drawWidth));
    const double reach = penReach(width);
    if (figure.kind == Figure::Kind::Circle) {
        const auto box = SurfacePainter::circleOnDevice(figure, screen, pixelArea);
        if (!box)
            return {};
        return QRegion(box->adjusted(-reach, -reach, reach, reach).toAlignedRect());
    }
    const auto line = SurfacePainter::lineOnDevice(figure, screen, pixelArea);
    if (!line)
        return {};
    const double shorter = std::min(std::fabs(line->dx()), std::fabs(line->dy()));
    const int pieces = std::max(1, int(std::ceil(shorter / kPieceSpan)));
    QRegion region;
    for (int i = 0; i < pieces; ++i) {
        const QRectF box =
            QRectF(line->pointAt(double(i) / pieces), line->pointAt(double(i + 1) / pieces))
                .normalized()
                .adjusted(-reach, -reach, reach, reach);
        region += box.toAlignedRect();
    }
    return region;
}
