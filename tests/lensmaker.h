// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The power of a thin lens, worked out in the tests' own words: a spherical
// surface of radius R that light crosses from index na into index nb has the
// power (nb - na) / R (R positive when its centre of curvature lies to the
// right, light running left to right), and the two surfaces of a thin lens
// add. The lens of index N stands between n1 on its left and n2 on its right.
namespace LensMaker {

inline double surfacePower(double from, double into, double radius) {
    return (into - from) / radius;
}

inline double thinLensPower(double n1, double N, double n2, double leftRadius, double rightRadius) {
    return surfacePower(n1, N, leftRadius) + surfacePower(N, n2, rightRadius);
}

} // namespace LensMaker
