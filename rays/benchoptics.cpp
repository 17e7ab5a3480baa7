// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchoptics.h"

#include <cmath>

namespace Bench {

namespace {
Edge edgeBeyond(double x, double y) {
    if (x < 0)
        return Edge::Left;
    if (x > kAreaWidth)
        return Edge::Right;
    if (y < 0)
        return Edge::Top;
    if (y > kAreaHeight)
        return Edge::Bottom;
    if (!(std::isfinite(x) && std::isfinite(y)))
        return Edge::Right;
    return Edge::None;
}
} // namespace

Optics::Lens lensOf(double n1, double N, double n2, double leftR, double rightR) {
    return {n1, N, n2, cmOf(leftR), cmOf(rightR)};
}

Optics::FocalLengths focalLengths(const Optics::Lens& lens) {
    const Optics::FocalLengths focal = Optics::focalLengths(lens);
    if (!focal.finite)
        return {kFar, kFar, 0, false};
    return {twipsOf(focal.front), twipsOf(focal.back), twipsOf(focal.nodalShift), true};
}

Image imageOf(const Optics::Lens& lens, double objectX, double objectY) {
    Image image;
    image.d = kLensX - objectX;
    const Optics::FocalLengths f = Bench::focalLengths(lens);
    if (f.finite && Optics::converges(Optics::power(lens)) &&
        float(objectX) == float(kLensX - f.front))
        return image;
    const Optics::Axial::Image formed = Optics::imageOf(lens, objectAt(objectX, objectY));
    if (formed.kind == Optics::ImageKind::None)
        return image; // in the front focal plane: no image
    image.b = twipsOf(formed.distance);
    image.magnification = formed.magnification;
    const bool real = image.b > 0;
    image.kind = real ? Optics::ImageKind::Real : Optics::ImageKind::Virtual;
    image.x = real ? image.b : kLensX + image.b;
    image.y = kAxisY + image.magnification * (objectY - kAxisY);
    image.beyond = edgeBeyond(image.x, image.y);
    return image;
}

} // namespace Bench
