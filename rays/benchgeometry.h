// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lens.h"

// Places of the construction and of the object on the bench, in its twips:
// the arrowheads, the standard cases and the snap.
namespace Optics {

// A straight piece of a ray in bench twips: x as in picLeft (the lens plane at
// 7500, picRigth's x + 7500 beyond it), y downwards, the axis at 3990.
struct Segment {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

// An arrowhead at the tip of a line that arrives from (fromX, fromY): two
// strokes from the tip back along the line, each `length` twips long and
// `halfAngle` radians off it. None (drawn false) for a line of no length.
struct Arrowhead {
    bool drawn = false;
    Segment left;
    Segment right;
};
// The arrowhead of the object and image arrows at their laid-out size:
// 16 laid-out pixels long, 25 degrees off the line.
constexpr double kArrowheadLength = 240;
constexpr double kArrowheadHalfAngle = 0.4363323129985824;
Arrowhead arrowheadAt(double tipX, double tipY, double fromX, double fromY,
                      double length = kArrowheadLength, double halfAngle = kArrowheadHalfAngle);

// The five standard cases of the lessons: the object 3, 2, 1.5, 1 and 0.5 times
// the object-side mark distance before the lens (|f| for a converging lens, the
// front focal length itself), its point 1000 twips above the axis. False for a
// case number outside 1..5.
constexpr double kStandardCaseHeight = 1000;
bool standardCase(const Lens& lens, int caseNumber, double* objectX, double* objectY);

// An object point near a place that matters snaps onto it, each coordinate on
// its own: y onto the axis, x onto the object-side F and 2F marks, each within
// `radius` twips. The F mark is the front focal plane itself, so an object
// snapped there has no image.
void snapObject(const Lens& lens, double radius, double* objectX, double* objectY);

} // namespace Optics
