// SPDX-License-Identifier: GPL-3.0-or-later
#include "lens.h"

#include "axial.h"

#include <cmath>

namespace Optics {

Axial::System systemOf(const Lens& lens, Axial::Object object) {
    Axial::System system;
    system.media = {lens.n1, lens.n2};
    system.elements = {{0, Axial::ThinLens{lens.N, lens.leftR, lens.rightR}}};
    system.object = object;
    return system;
}

double power(const Lens& lens) {
    return Axial::power(systemOf(lens), 0);
}

bool hasPower(double P) {
    return std::fabs(P) >= Axial::kNoPower;
}

FocalLengths focalLengths(const Lens& lens) {
    const Axial::Focus focus = Axial::focusOf(systemOf(lens), 0);
    if (!focus.finite)
        return {Axial::kInfinite, Axial::kInfinite, 0, false};
    return {focus.front, focus.back, focus.nodalShift, true};
}

double dioptres(double P) {
    constexpr double kCmPerMetre = 100;
    return hasPower(P) ? P * kCmPerMetre : 0.0;
}

Lens shapedLens(double n1, double N, double n2, double first, double second, bool biconvex) {
    if (biconvex)
        return {n1, N, n2, first, -second};
    return {n1, N, n2, -second, first};
}

Lens equalRadii(double n1, double N, double n2, double radius, bool biconvex) {
    return shapedLens(n1, N, n2, radius, radius, biconvex);
}

std::optional<double> equalRadiusFor(double front, double n1, double N, double n2, bool biconvex) {
    constexpr double kUnit = 1;
    const FocalLengths unit = focalLengths(equalRadii(n1, N, n2, kUnit, biconvex));
    if (!unit.finite || !std::isfinite(front))
        return std::nullopt;
    const double radius = kUnit * front / unit.front;
    if (!(radius > 0) || !std::isfinite(radius))
        return std::nullopt;
    return radius;
}

Axial::Image imageOf(const Lens& lens, Axial::Object object) {
    return Axial::imageOf(systemOf(lens, object));
}

MarkDistances markDistances(const FocalLengths& focal) {
    const bool diverging = focal.front < 0;
    const double front = std::fabs(focal.front);
    const double back = std::fabs(focal.back);
    return diverging ? MarkDistances{back, front} : MarkDistances{front, back};
}

Size sizeOf(double magnification) {
    const double grown = std::fabs(magnification) - 1;
    if (std::fabs(grown) < kSameSizeWithin)
        return Size::Same;
    return grown > 0 ? Size::Enlarged : Size::Reduced;
}

} // namespace Optics
