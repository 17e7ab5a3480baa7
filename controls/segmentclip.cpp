// SPDX-License-Identifier: GPL-3.0-or-later
#include "segmentclip.h"

#include <algorithm>
#include <cmath>

std::optional<ClippedSegment> clipSegment(const QLineF& segment, const QRectF& box) {
    const double x1 = segment.x1(), y1 = segment.y1();
    const double x2 = segment.x2(), y2 = segment.y2();
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return std::nullopt;
    const double dx = x2 - x1, dy = y2 - y1;
    if (!std::isfinite(dx) || !std::isfinite(dy))
        return std::nullopt;

    double t0 = 0, t1 = 1;
    // Each edge: p * t <= q keeps the point inside.
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - box.left(), box.right() - x1, y1 - box.top(), box.bottom() - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return std::nullopt; // parallel to this edge and outside it
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return std::nullopt;
    }
    // Clamp against rounding so that the piece never leaves the box.
    auto cx = [&](double t) { return std::clamp(x1 + t * dx, box.left(), box.right()); };
    auto cy = [&](double t) { return std::clamp(y1 + t * dy, box.top(), box.bottom()); };
    return ClippedSegment{QLineF(cx(t0), cy(t0), cx(t1), cy(t1)), t0};
}
