// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchgeometry.h"

#include "bench.h"
#include "benchoptics.h"

#include <cmath>
#include <initializer_list>

namespace Optics {

FocalRay focalRay(const Lens& lens, double objectX, double objectY) {
    FocalRay ray;
    const double P = power(lens);
    const double height = objectY - Bench::kAxisY; // downwards positive
    const double d = Bench::kLensX - objectX;
    if (!hasPower(P) || height == 0 || !(d > 0) || !std::isfinite(height))
        return ray;
    const double f = Bench::focalLengths(lens).front; // signed: behind the lens when diverging
    if (converges(P) && float(objectX) == float(Bench::kLensX - f))
        return ray;
    // The line through the object point and (7500 - f, axis) meets the lens plane
    // at -height * f / (d - f) from the axis.
    ray.lensY = Bench::kAxisY - height * f / (d - f);
    ray.slopeBefore = (ray.lensY - objectY) / d;
    ray.slopeAfter = 0;
    ray.toLens = {objectX, objectY, Bench::kLensX, ray.lensY};
    ray.leaving = {Bench::kLensX, ray.lensY, Bench::kLensX + Bench::kAreaWidth, ray.lensY};
    const double top = converges(P) ? Bench::kConvergingTop : Bench::kDivergingTop;
    const double bottom = converges(P) ? Bench::kConvergingBottom : Bench::kDivergingBottom;
    ray.withinAperture = ray.lensY >= top && ray.lensY <= bottom;
    // A virtual image stands on the backward extension: the image's height is
    // the ray's height at the lens, m = f / (f - d) for any media.
    const Bench::Image image = Bench::imageOf(lens, objectX, objectY);
    if (image.kind == ImageKind::Virtual) {
        ray.hasExtension = true;
        ray.extension = {Bench::kLensX, ray.lensY, image.x, ray.lensY};
    }
    ray.drawn = std::isfinite(ray.lensY);
    return ray;
}

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
