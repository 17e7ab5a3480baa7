// SPDX-License-Identifier: GPL-3.0-or-later
#include "lens.h"

#include "bench.h"

#include <cmath>

namespace Optics {

namespace {
int signOf(double v) {
    return (v > 0) - (v < 0);
}

Edge edgeBeyond(double x, double y) {
    if (x < 0)
        return Edge::Left;
    if (x > Bench::kAreaWidth)
        return Edge::Right;
    if (y < 0)
        return Edge::Top;
    if (y > Bench::kAreaHeight)
        return Edge::Bottom;
    if (!(std::isfinite(x) && std::isfinite(y)))
        return Edge::Right;
    return Edge::None;
}
} // namespace

Lens lensOf(const BenchState& bench) {
    const bool biconcaveLayout = bench.R1Sign < 0;
    return {bench.n1, bench.N, bench.n2, biconcaveLayout ? -bench.R2 : bench.R1,
            biconcaveLayout ? -bench.R1 : bench.R2};
}

double power(const Lens& lens) {
    return (lens.N - lens.n1) / lens.leftR - (lens.N - lens.n2) / lens.rightR;
}

bool hasPower(double P) {
    return std::fabs(P) >= Bench::kSmallestPower;
}

FocalLengths focalLengths(const Lens& lens) {
    const double P = power(lens);
    if (!hasPower(P))
        return {Bench::kFar, Bench::kFar, 0, false};
    return {lens.n1 / P, lens.n2 / P, (lens.n2 - lens.n1) / P, true};
}

double dioptres(double P) {
    return hasPower(P) ? P * Bench::kDioptresPerReciprocalTwip : 0.0;
}

ThinLens thinLens(double f2, double n1, double n2, bool converging) {
    const double bend = (n1 > 0 && n2 > 0 && std::isfinite(n1 / n2)) ? n1 / n2 : 1;
    const double F2 = f2 * signOf(f2);
    return {bend * F2, F2, bend, converging};
}

ThinLens thinLens(const BenchState& bench) {
    return thinLens(bench.f2, bench.n1, bench.n2, bench.IsConverging != kFalse);
}

bool imageDistance(const ThinLens& lens, double d, double* b) {
    const double distance =
        lens.converging ? lens.F2 * d / (d - lens.F1) : -lens.F2 * d / (d + lens.F1);
    if (!std::isfinite(distance))
        return false;
    *b = distance;
    return true;
}

Image imageOf(const Lens& lens, double objectX, double objectY) {
    Image image;
    image.d = Bench::kLensX - objectX;
    const double P = power(lens);
    const FocalLengths f = focalLengths(lens);
    if (!hasPower(P)) {
        image.b = -(lens.n2 / lens.n1) * image.d;
        image.magnification = 1;
    } else if (!imageDistance(thinLens(f.back, lens.n1, lens.n2, converges(P)), image.d,
                              &image.b)) {
        return image; // in the front focal plane: no image
    } else {
        image.magnification = -(lens.n1 * image.b) / (lens.n2 * image.d);
    }
    const bool real = image.b > 0;
    image.kind = real ? ImageKind::Real : ImageKind::Virtual;
    image.x = real ? image.b : Bench::kLensX + image.b;
    image.y = Bench::kAxisY + image.magnification * (objectY - Bench::kAxisY);
    image.beyond = edgeBeyond(image.x, image.y);
    return image;
}

bool objectOnBench(const BenchState& bench) {
    return bench.ObjectX < Bench::kLensX && std::isfinite(bench.ObjectX) &&
           std::isfinite(bench.ObjectY);
}

} // namespace Optics
