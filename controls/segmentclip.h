// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineF>
#include <QRectF>
#include <optional>

// A segment cut to a rectangle, and how far along the original segment
// (0 at its start, 1 at its end) the visible piece begins.
struct ClippedSegment {
    QLineF line;
    double startFraction = 0;
};

// Liang-Barsky clipping in double precision. End points may be huge (1e12) or
// non-finite: a segment with a NaN or infinite end point, or one that misses the
// rectangle, gives nothing. The result always lies inside the rectangle.
std::optional<ClippedSegment> clipSegment(const QLineF& segment, const QRectF& box);
