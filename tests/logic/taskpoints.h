// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lensmaker.h"
#include "task.h"

// A task's points on the bench in the tests' own words, for the tests of the
// judge and of the task in the window alike.
namespace TaskPoints {

// The bench: areas 7500 x 8025 twips meeting at the lens plane, the axis at
// 3990, 567 twips a centimetre.
inline constexpr double kLens = 7500;
inline constexpr double kAxis = 3990;
inline constexpr double kWidth = 7500;
inline constexpr double kHeight = 8025;
inline constexpr double kCm = 567;

// A task's points and radii in the bench's twips: the task gives them in cm
// from the lens plane and the axis.
inline double objectXOf(const Tasks::Task& task) {
    return kLens + task.z * kCm;
}
inline double objectYOf(const Tasks::Task& task) {
    return kAxis - task.height * kCm;
}

// The lens of a task: the biconvex layout has the upper slider's surface on
// the left, curving about a centre to its right; the biconcave layout trades
// the surfaces and their signs.
struct Radii {
    double left;
    double right;
};
inline Radii radiiOf(const Tasks::Task& task) {
    const double upper = task.upperRadius * kCm;
    const double lower = task.lowerRadius * kCm;
    return task.converging ? Radii{upper, -lower} : Radii{-lower, upper};
}

// The image from n1/d + n2/b = P, f = n1/P, f' = n2/P; magnification
// -(n1 b)/(n2 d); bench x as in picLeft, picRigth beyond 7500.
struct Expected {
    double f;
    double fBack;
    double b;
    double m;
    double x;
    double y;
};
inline Expected expectedOf(const Tasks::Task& task) {
    const Radii r = radiiOf(task);
    const double P = LensMaker::thinLensPower(task.n1, task.N, task.n2, r.left, r.right);
    const double d = kLens - double(float(objectXOf(task)));
    const double b = task.n2 / (P - task.n1 / d);
    const double m = -(task.n1 * b) / (task.n2 * d);
    return {task.n1 / P, task.n2 / P, b,
            m,           kLens + b,   kAxis + m * (double(float(objectYOf(task))) - kAxis)};
}

// Two thin lenses in air, the thin-lens law 1/b = 1/f + 1/a' applied twice (a
// the object's distance before the lens, b the image's behind it): A1B1 of
// the first lens is the object of the second, real before it, virtual behind
// it. Centimetres from the first lens's plane.
struct TwoLenses {
    double f1, z1, h1, f2, z2, h2;
};
inline TwoLenses twoLensesOf(const Tasks::Task& t) {
    TwoLenses e{};
    e.f1 = 1 / ((t.N - 1) * (1 / t.upperRadius + 1 / t.lowerRadius)); // biconvex
    e.z1 = 1 / (1 / e.f1 + 1 / t.z);
    e.h1 = t.height * e.z1 / t.z;
    const Optics::SecondLens& second = *t.second;
    e.f2 = 1 / ((second.lens.N - 1) * (1 / second.lens.R1 - 1 / second.lens.R2));
    const double a2 = second.distance - e.z1;
    const double b2 = 1 / (1 / e.f2 - 1 / a2);
    e.z2 = second.distance + b2;
    e.h2 = e.h1 * -b2 / a2;
    return e;
}

} // namespace TaskPoints
