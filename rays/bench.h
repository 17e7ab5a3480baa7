// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

// The optical bench as laid out, in twips (1/1440 inch, 15 to a pixel at the
// laid-out size), y growing downwards. Every place of the construction and every
// read-out is measured from these. The window's: the optics library speaks
// centimetres along its axis, and the frames meet here (zOf, heightOf and back).
// Plain C++, so that the browser page lays out the same bench.
namespace Bench {

// The two media areas, picLeft and picRigth, each 7500 x 8025, touch at the lens
// plane: x = 7500 of picLeft is x = 0 of picRigth. The main optical axis runs
// at y = 3990 in both.
constexpr double kLensX = 7500;
constexpr double kAxisY = 3990;
constexpr double kAreaWidth = 7500;
constexpr double kAreaHeight = 8025;

// The window's face as laid out, the lesson strip below the panel included;
// the whole window scales from it.
constexpr double kLaidOutWidth = 15120;
constexpr double kLaidOutHeight = 10935;
// The pixel the face was laid out in (96 dpi), as the window's ScreenInfo takes it.
constexpr double kTwipsPerLaidOutPixel = 15;

// Far beyond every area: stands for an infinite focal length, and bounds the
// image point before it is drawn.
constexpr double kFar = 760000;

// One centimetre of the bench, so that a power in reciprocal twips is this
// times 100 in dioptres.
constexpr double kTwipsPerCm = 567;
constexpr double kDioptresPerReciprocalTwip = kTwipsPerCm * 100;

// The bench in the optical system's frame (axial.h): z in centimetres from
// the lens plane, light running right, heights in centimetres above the axis.
inline double cmOf(double twips) {
    return twips / kTwipsPerCm;
}
inline double twipsOf(double cm) {
    return cm * kTwipsPerCm;
}
inline double zOf(double x) {
    return cmOf(x - kLensX);
}
inline double heightOf(double y) {
    return cmOf(kAxisY - y);
}
// And back: the place on the bench of a z and a height.
inline double xOf(double z) {
    return kLensX + twipsOf(z);
}
inline double yOf(double height) {
    return kAxisY - twipsOf(height);
}

// The lens aperture: rays within it are refracted by the lens itself, rays to
// an object beyond it are constructed through its edge. The converging lens's
// edges lie 1340 twips from the axis, the diverging lens's 1440.
constexpr double kConvergingTop = 2650;
constexpr double kConvergingBottom = 5330;
constexpr double kDivergingTop = 2550;
constexpr double kDivergingBottom = 5430;

// Focal planes are drawn between these heights.
constexpr double kFocalPlaneTop = 500;
constexpr double kFocalPlaneBottom = 7525;

// The index sliders run from 0 to 50: index 1 to 2 in steps of 0.02.
constexpr int kIndexSteps = 50;
inline double indexOf(int value) {
    return 1 + value / double(kIndexSteps);
}
// The step nearest to an index.
inline int indexStepOf(double index) {
    return int(std::lround((index - 1) * kIndexSteps));
}

// A radius slider adds 50 twips a step to the radius of its surface at value 0.
constexpr int kRadiusStep = 50;
constexpr int kRadiusSteps = 66;
constexpr int kRadiusBase = 1500;
inline double radiusOf(int value, int base) {
    return kRadiusStep * value + base;
}
// The step nearest to a radius magnitude.
inline int radiusStepOf(double radius, int base) {
    return int(std::lround((radius - base) / kRadiusStep));
}

// The object moved by keys: an arrow moves it this many twips; before it was
// ever placed, the first press finds it in the middle of the left area, 1000
// twips above the axis (at the start values its image is real, smaller and
// inverted). The desktop and the browser page move it alike.
constexpr int kKeyStep = 50;
constexpr float kFirstKeyX = 3750;
constexpr float kFirstKeyY = 2990;

// The lens's index slider as the bench starts: N = 1,64.
constexpr int kStartIndexStep = 32;

} // namespace Bench
