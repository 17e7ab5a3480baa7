// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "axial.h"

// A second thin lens behind the bench's lens, as the lesson on optical
// systems puts it there: its place behind the first lens, its glass and
// surfaces, and the medium behind it. The medium between the two lenses is
// the one behind the first. Bench centimetres, as the optical system's.
namespace Optics {

struct SecondLens {
    // How far behind the first lens's plane it stands: 0 for lenses in
    // contact (their powers add, D = D1 + D2).
    double distance = 6;
    // Its index and signed radii: biconvex by default, F = 5 cm in air.
    Axial::ThinLens lens{1.5, 5, -5};
    // The index of the medium behind it.
    double after = 1;
    bool operator==(const SecondLens&) const = default;
};

// Where the second lens may stand behind the first: in contact up to 13 cm
// behind it, as far as the bench reaches.
constexpr double kNearestSecondLens = 0;
constexpr double kFarthestSecondLens = 13;

// The bench's optical system (the first lens at z = 0) with the second lens
// put behind it: its element appended at `distance`, the medium behind it
// last. The medium between them is the system's last before.
Axial::System withSecondLens(Axial::System system, const SecondLens& second);

} // namespace Optics
