// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench.h"
#include "lens.h"
#include "scale.h"
#include "setupformat.h"

// The lens on the bench as laid out: the optics' answers in centimetres turned
// into the bench's twips (the lens plane at x = 7500 of picLeft, the axis at
// y = 3990, y growing downwards), and the bench's places into the optics'
// object. Plain C++: the browser page takes the same answers.
namespace Bench {

// The lens whose surfaces' radii the bench holds in twips.
Optics::Lens lensOf(double n1, double N, double n2, double leftR, double rightR);
// A lens's radii as the bench holds them, in twips.
inline double leftRadiusOf(const Optics::Lens& lens) {
    return twipsOf(lens.leftR);
}
inline double rightRadiusOf(const Optics::Lens& lens) {
    return twipsOf(lens.rightR);
}

// The object point (x, y of picLeft) as the optical system's object.
inline Optics::Axial::Object objectAt(double x, double y) {
    return {zOf(x), heightOf(y)};
}

// The focal lengths in twips, signed; the far value for both where the lens
// has no power, so that marks and rays drawn at them leave every area.
Optics::FocalLengths focalLengths(const Optics::Lens& lens);

// Which edge of its area a point lies beyond, if any.
enum class Edge { None, Left, Right, Top, Bottom };

// The Gaussian image of an object point (x, y) of picLeft, in twips: `d` the
// object's distance before the lens, `b` the image's behind it. A real image
// stands in picRigth at (b, y'), a virtual one in picLeft at (7500 + b, y'),
// with y' - 3990 the magnification times the object's height. The object
// point is held in single precision: one that stands in the front focal plane
// as far as that precision tells has no image.
struct Image {
    Optics::ImageKind kind = Optics::ImageKind::None;
    double d = 0;
    double b = 0;
    double magnification = 0;
    double x = 0;
    double y = 0;
    Edge beyond = Edge::None;
};
Image imageOf(const Optics::Lens& lens, double objectX, double objectY);

// A length of the bench in twips as a real length in centimetres at the
// scale, and back.
inline double realCm(Optics::Scale scale, double twips) {
    return scale.realOfBenchCm(cmOf(twips));
}
inline double twipsOfReal(Optics::Scale scale, double realCm) {
    return realCm * kTwipsPerCm / scale.factor();
}

// The ranges a setup keeps to on this bench: an object anywhere in the left
// area from a twip before the lens plane (at it or behind it there is no
// construction), the radii and indices the sliders reach.
inline SetupFormat::Ranges setupRanges() {
    SetupFormat::Ranges ranges;
    ranges.nearestObject = cmOf(1);
    ranges.farthestObject = cmOf(kLensX);
    ranges.lowestObject = cmOf(kAxisY - kAreaHeight);
    ranges.highestObject = cmOf(kAxisY);
    ranges.leastRadius = cmOf(radiusOf(0, kRadiusBase));
    ranges.greatestRadius = cmOf(radiusOf(kRadiusSteps, kRadiusBase));
    ranges.leastIndex = indexOf(0);
    ranges.greatestIndex = indexOf(kIndexSteps);
    return ranges;
}

} // namespace Bench
