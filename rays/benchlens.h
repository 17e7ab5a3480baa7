// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "benchoptics.h"
#include "benchstate.h"
#include "lens.h"
#include "measurement.h"
#include "objectmotion.h"

// The lens and the object point as the window's state holds them: the one
// place the bench's members (its slider layout, its flags) are read as optics.
namespace Optics {

// The lens the bench holds, its radii in centimetres. In the biconcave layout the radius sliders
// trade rows, so that each reshapes the surface on its side: R2 then belongs to the left surface
// and R1 to the right one, each with the sign its side needs.
Lens lensOf(const BenchState& bench);

// The bench as the optical system the construction draws: its lens at z = 0
// between the two media with the power the bench holds (n2 / f2, the sign as
// it acts, so that the far value stands for a focus beyond every area), the
// object point in centimetres.
Axial::System constructionSystem(const BenchState& bench);

// Whether the object point is one the construction draws for: placed, left of
// the lens plane, at a finite place.
bool objectOnBench(const BenchState& bench);

} // namespace Optics

namespace Bench {

// The object's motion on the bench: from 150 twips inside the left area's
// edge to half a centimetre before the lens plane and back, halting at F and
// 2F of the front focal length (cm). The object stands at xOf(state.z).
Motion::Path motionPath(double frontFocal, double speedCm);

// The row of the table of measurements for the object point (x, y) of picLeft:
// as the optics measures it, but without an image where the bench shows none
// (an object in the front focal plane as far as single precision tells).
Measurements::Row measure(const Optics::Lens& lens, double objectX, double objectY,
                          Optics::Scale scale);

} // namespace Bench
