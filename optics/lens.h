// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "axial.h"

#include <optional>

// The thin lens between two media and the Gaussian image it forms: plain data
// and free functions, the one place the bench's optics is computed. Lengths are
// centimetres, powers reciprocal centimetres (as in axial.h), light runs from
// left to right.
namespace Optics {

// Two spherical surfaces between media n1 | N | n2. Each radius is signed,
// positive when the centre of curvature lies to the right of the surface; the
// surface drawn left of the lens plane meets n1, the one drawn right meets n2.
struct Lens {
    double n1 = 1;
    double N = 1;
    double n2 = 1;
    double leftR = 0;
    double rightR = 0;

    bool operator==(const Lens&) const = default;
};

// The lens as the optical system it is: at z = 0 between its media, with the
// object given (z negative before the lens, height above the axis).
Axial::System systemOf(const Lens& lens, Axial::Object object = {});

// P = (N - n1) / R_left - (N - n2) / R_right.
double power(const Lens& lens);

// Whether a power is large enough to count: below the smallest power the lens
// is a plane boundary between the media and its focal lengths are infinite.
bool hasPower(double P);

// What a power does to rays: a lens of zero power or more gathers them.
inline bool converges(double P) {
    return !(P < 0);
}

// The focal lengths: the front one f = n1 / P before the lens, the back one
// f' = n2 / P behind it, both signed (negative for a diverging lens), and
// both infinite where the lens has no power. The nodal points stand
// (n2 - n1) / P behind the principal plane; with equal media they are the
// optical centre.
struct FocalLengths {
    double front = 0;
    double back = 0;
    double nodalShift = 0;
    bool finite = false;
};
FocalLengths focalLengths(const Lens& lens);

// The power in dioptres (a hundred times the reciprocal centimetres), zero
// where the lens has none.
double dioptres(double P);

// A biconvex or biconcave lens between these media from the radius
// magnitudes (cm) of its two surfaces as the lens is shaped on the bench: the
// first is the left surface of a biconvex lens and the right surface of a
// biconcave one, the second the other surface. A biconvex lens's left surface
// curves about a centre to its right, its right one about a centre to its
// left; a biconcave lens's the other way round.
Lens shapedLens(double n1, double N, double n2, double first, double second, bool biconvex);
// Such a lens whose two surfaces have the same radius magnitude.
Lens equalRadii(double n1, double N, double n2, double radius, bool biconvex);
// The radius magnitude (cm) both surfaces of such a lens need for the front
// focal length `front` (cm, signed): none where no radius gives it, because the lens of
// that shape has no power between these media or bends the other way. The
// focal length grows in proportion to the radius.
std::optional<double> equalRadiusFor(double front, double n1, double N, double n2, bool biconvex);

// The image's kind is the optical system's: real, virtual or none.
using ImageKind = Axial::ImageKind;

// The size of an image against its object, as the kind says it in words: the
// same size where |Γ| shows as 1,00 at the read-outs' two decimals, so the
// words always agree with the number beside them.
enum class Size { Reduced, Same, Enlarged };
constexpr double kSameSizeWithin = 0.005;
Size sizeOf(double magnification);

// The Gaussian image of the object: its distance b behind the lens (negative
// for a virtual image, before it), its height and the magnification
// -(n1 b) / (n2 d), upright when positive. Without power the lens is a plane
// boundary: the image stands n2 / n1 of the distance before it, upright and of
// equal size. None where the object stands in the front focal plane.
Axial::Image imageOf(const Lens& lens, Axial::Object object);

} // namespace Optics

namespace Optics {

// The distances from the lens at which the marks F and 2F / 2 stand on each
// side, as magnitudes: a converging lens has its front focus |f| before it and
// its back focus |f'| behind it; a diverging lens sends parallel light on as if
// from |f'| before it, and its front focus lies |f| behind it. With equal media
// the two are the same.
struct MarkDistances {
    double objectSide = 0;
    double imageSide = 0;
};
MarkDistances markDistances(const FocalLengths& focal);

} // namespace Optics
