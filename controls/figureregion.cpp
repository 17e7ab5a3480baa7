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

void addFigureBoxes(const Figure& figure, const ScreenInfo& screen, const QRectF& pixelArea,
                    QVector<QRect>& boxes) {
    const int width = screen.strokePixels(std::max(1, figure.drawWidth));
    const double reach = penReach(width);
    if (figure.kind == Figure::Kind::Circle) {
        const auto box = SurfacePainter::circleOnDevice(figure, screen, pixelArea);
        if (box)
            boxes.append(box->adjusted(-reach, -reach, reach, reach).toAlignedRect());
        return;
    }
    const auto line = SurfacePainter::lineOnDevice(figure, screen, pixelArea);
    if (!line)
        return;
    const double shorter = std::min(std::fabs(line->dx()), std::fabs(line->dy()));
    const int pieces = std::max(1, int(std::ceil(shorter / kPieceSpan)));
    for (int i = 0; i < pieces; ++i) {
        const QRectF box =
            QRectF(line->pointAt(double(i) / pieces), line->pointAt(double(i + 1) / pieces))
                .normalized()
                .adjusted(-reach, -reach, reach, reach);
        boxes.append(box.toAlignedRect());
    }
}

QRegion figureRegion(const Figure& figure, const ScreenInfo& screen, const QRectF& pixelArea) {
    QVector<QRect> boxes;
    addFigureBoxes(figure, screen, pixelArea, boxes);
    QRegion region;
    for (const QRect& box : boxes)
        region += box;
    return region;
}

namespace {
// A box widened to whole tiles of this many pixels. Strips of neighbouring
// rays then fall on the same tiles, and their union has a few large rectangles
// instead of a hundred ragged ones: each widget painted under it, and each
// stroke clipped to it, pays for every rectangle.
constexpr int kTile = 32;

int tileBelow(int pixel) {
    return pixel >= 0 ? pixel / kTile * kTile : -((-pixel + kTile - 1) / kTile * kTile);
}

QRect tiled(const QRect& box) {
    return QRect(QPoint(tileBelow(box.left()), tileBelow(box.top())),
                 QPoint(tileBelow(box.right()) + kTile - 1, tileBelow(box.bottom()) + kTile - 1));
}
} // namespace

// Adding boxes one by one to a growing region costs the region's size each
// time; uniting them in pairs, then the pairs' unions, keeps every step small.
QRegion tiledUnionOf(const QVector<QRect>& boxes) {
    QVector<QRegion> level;
    level.reserve((boxes.size() + 1) / 2);
    for (qsizetype i = 0; i < boxes.size(); i += 2)
        level.append(i + 1 < boxes.size() ? QRegion(tiled(boxes[i])).united(tiled(boxes[i + 1]))
                                          : QRegion(tiled(boxes[i])));
    while (level.size() > 1) {
        qsizetype kept = 0;
        for (qsizetype i = 0; i < level.size(); i += 2)
            level[kept++] = i + 1 < level.size() ? level[i].united(level[i + 1]) : level[i];
        level.resize(kept);
    }
    return level.isEmpty() ? QRegion() : level.front();
}
