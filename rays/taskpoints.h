// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench.h"

// A task's points and lengths on the bench. The tasks give them in
// centimetres (z along the axis from the lens plane, heights above the
// axis); the bench draws them and takes the pupil's click in its twips (x of
// picLeft, y downwards). The one conversion between the two, for the task
// mode, the worksheets and the browser page.
namespace TaskPoints {

struct Point {
    double z = 0;
    double height = 0;
};

// The click at (x, y) of picLeft (x beyond 7500 lies in picRigth).
inline Point pointOf(double x, double y) {
    return {Bench::zOf(x), Bench::heightOf(y)};
}
inline double xOf(double z) {
    return Bench::kLensX + Bench::twipsOf(z);
}
inline double yOf(double height) {
    return Bench::kAxisY - Bench::twipsOf(height);
}
// A length of a task (a radius, a focal length) in twips.
inline double twipsOf(double cm) {
    return Bench::twipsOf(cm);
}

} // namespace TaskPoints
