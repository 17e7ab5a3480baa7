// SPDX-License-Identifier: GPL-3.0-or-later
#include "secondlens.h"

namespace Optics {

Axial::System withSecondLens(Axial::System system, const SecondLens& second) {
    const double firstZ = system.elements.empty() ? 0 : system.elements.front().z;
    system.elements.push_back({firstZ + second.distance, second.lens});
    system.media.push_back(second.after);
    return system;
}

} // namespace Optics

#include <cmath>

namespace Optics {

Lens lensBetween(const SecondLens& second, double between) {
    return {between, second.lens.N, second.after, second.lens.R1, second.lens.R2};
}

FocalLengths focalLengthsOf(const SecondLens& second, double between) {
    return focalLengths(lensBetween(second, between));
}

Axial::ThinLens shapedThinLens(double N, const LensShape& shape) {
    const double sign = shape.biconvex ? 1 : -1;
    return {N, sign * shape.left, -sign * shape.right};
}

std::optional<LensShape> shapeOf(const Axial::ThinLens& lens) {
    const bool finite = std::isfinite(lens.R1) && std::isfinite(lens.R2);
    if (!finite || lens.R1 == 0 || lens.R2 == 0 || (lens.R1 > 0) == (lens.R2 > 0))
        return std::nullopt;
    return LensShape{lens.R1 > 0, std::fabs(lens.R1), std::fabs(lens.R2)};
}

std::optional<Axial::ThinLens> lensOfFocalLength(double front, double N, double between,
                                                 double after) {
    // R1 = R, R2 = −R: P = (N − n)/R + (N − n′)/R = n/f. Glass as dense as
    // the media on average, to the rounding of the indices, bends nothing.
    const double bend = 2 * N - between - after;
    constexpr double kRounding = 1e-12;
    const double R = bend * front / between;
    if (!(std::fabs(bend) > kRounding * (2 * N + between + after)) || !std::isfinite(R) || R == 0 ||
        !std::isfinite(front) || front == 0)
        return std::nullopt;
    return Axial::ThinLens{N, R, -R};
}

} // namespace Optics
