// SPDX-License-Identifier: GPL-3.0-or-later
#include "lens.h"

#include "axial.h"
#include "bench.h"

#include <cmath>

namespace Optics {

namespace {
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

Axial::System systemOf(const Lens& lens, double objectX, double objectY) {
    Axial::System system;
    system.media = {lens.n1, lens.n2};
    system.elements = {
        {0, Axial::ThinLens{lens.N, Bench::cmOf(lens.leftR), Bench::cmOf(lens.rightR)}}};
    system.object = {Bench::zOf(objectX), Bench::heightOf(objectY)};
    return system;
}

namespace {
Axial::System systemOf(const Lens& lens) {
    return systemOf(lens, Bench::kLensX, Bench::kAxisY);
}
} // namespace

double power(const Lens& lens) {
    return Bench::cmOf(Axial::power(systemOf(lens), 0));
}

bool hasPower(double P) {
    return std::fabs(Bench::twipsOf(P)) >= Axial::kNoPower;
}

FocalLengths focalLengths(const Lens& lens) {
    const Axial::Focus focus = Axial::focusOf(systemOf(lens), 0);
    if (!focus.finite)
        return {Bench::kFar, Bench::kFar, 0, false};
    return {Bench::twipsOf(focus.front), Bench::twipsOf(focus.back),
            Bench::twipsOf(focus.nodalShift), true};
}

double dioptres(double P) {
    return hasPower(P) ? P * Bench::kDioptresPerReciprocalTwip : 0.0;
}

Lens equalRadii(double n1, double N, double n2, double radius, bool biconvex) {
    // Biconvex: the left surface curves about a centre to its right, the right
    // one about a centre to its left; biconcave the other way round.
    const double left = biconvex ? radius : -radius;
    return {n1, N, n2, left, -left};
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

Image imageOf(const Lens& lens, double objectX, double objectY) {
    Image image;
    image.d = Bench::kLensX - objectX;
    const Axial::System system = systemOf(lens, objectX, objectY);
    const FocalLengths f = focalLengths(lens);
    // The object point is held in single precision: one that stands in the
    // front focal plane as far as that precision tells is in it.
    if (f.finite && converges(power(lens)) && float(objectX) == float(Bench::kLensX - f.front))
        return image;
    const Axial::Image formed = Axial::imageOf(system);
    if (formed.kind == Axial::ImageKind::None)
        return image; // in the front focal plane: no image
    image.b = Bench::twipsOf(formed.distance);
    image.magnification = formed.magnification;
    const bool real = image.b > 0;
    image.kind = real ? ImageKind::Real : ImageKind::Virtual;
    image.x = real ? image.b : Bench::kLensX + image.b;
    image.y = Bench::kAxisY + image.magnification * (objectY - Bench::kAxisY);
    image.beyond = edgeBeyond(image.x, image.y);
    return image;
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
