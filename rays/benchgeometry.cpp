// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchgeometry.h"

#include "bench.h"
#include "benchoptics.h"

#include <cmath>
#include <initializer_list>

namespace Optics {

Arrowhead arrowheadAt(double tipX, double tipY, double fromX, double fromY, double length,
                      double halfAngle) {
    Arrowhead head;
    const double dx = fromX - tipX;
    const double dy = fromY - tipY;
    const double run = std::hypot(dx, dy);
    if (!(run > 0) || !std::isfinite(run))
        return head;
    // Unit vector from the tip back along the line, turned by +-halfAngle.
    const double ux = dx / run, uy = dy / run;
    const double c = std::cos(halfAngle), s = std::sin(halfAngle);
    head.left = {tipX, tipY, tipX + length * (ux * c - uy * s), tipY + length * (ux * s + uy * c)};
    head.right = {tipX, tipY, tipX + length * (ux * c + uy * s),
                  tipY + length * (-ux * s + uy * c)};
    head.drawn = true;
    return head;
}

bool standardCase(const Lens& lens, int caseNumber, double* objectX, double* objectY) {
    static constexpr double kMultiples[] = {3, 2, 1.5, 1, 0.5};
    constexpr int kCases = int(sizeof kMultiples / sizeof kMultiples[0]);
    if (caseNumber < 1 || caseNumber > kCases)
        return false;
    const double a = markDistances(Bench::focalLengths(lens)).objectSide;
    *objectX = Bench::kLensX - kMultiples[caseNumber - 1] * a;
    *objectY = Bench::kAxisY - kStandardCaseHeight;
    return true;
}

void snapObject(const Lens& lens, double radius, double* objectX, double* objectY) {
    if (std::fabs(*objectY - Bench::kAxisY) <= radius)
        *objectY = Bench::kAxisY;
    const FocalLengths focal = Bench::focalLengths(lens);
    if (!focal.finite)
        return;
    const double a = markDistances(focal).objectSide;
    for (const double mark : {Bench::kLensX - a, Bench::kLensX - 2 * a})
        if (std::fabs(*objectX - mark) <= radius) {
            *objectX = mark;
            return;
        }
}

} // namespace Optics
