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

#include "lens.h"

#include <optional>

namespace Optics {

// The second lens as a lens between its media: `between` before it (the
// bench's right medium), its own `after` behind it. Its focal lengths and
// power are those of this lens (focalLengths, power, powerIn).
Lens lensBetween(const SecondLens& second, double between);
FocalLengths focalLengthsOf(const SecondLens& second, double between);

// The radii the second lens may have, magnitudes in bench centimetres: at
// index 1.5 in air, focal lengths from 0.5 cm (a microscope's objective) to
// 100 cm (a weak spectacle glass).
constexpr double kLeastSecondRadius = 0.5;
constexpr double kGreatestSecondRadius = 100;

// The shapes the second lens is made in, with the magnitudes of its left and
// right radii: biconvex, both surfaces bulging outwards (R1 > 0 > R2), or
// biconcave (R1 < 0 < R2).
struct LensShape {
    bool biconvex = true;
    double left = 0;
    double right = 0;
    bool operator==(const LensShape&) const = default;
};
// The lens of index N of this shape; and the shape of a lens, none for a
// meniscus or a lens with a plane surface.
Axial::ThinLens shapedThinLens(double N, const LensShape& shape);
std::optional<LensShape> shapeOf(const Axial::ThinLens& lens);

// The lens of index N with equal radii that has the focal length `front`
// between the media `between` and `after`. The focal length a teacher types
// is the front one, f = n/P in the medium before the lens, as for the bench's
// lens (in one medium f = f′, the only one). Positive for a lens that gathers
// light. With equal radii P = ±(2N − n − n′)/R: biconvex where that bends the
// way asked, biconcave where only it does (in media denser than the glass a
// biconcave lens gathers light). None where no radius gives it: glass as dense
// as the media on average, or no finite nonzero focal length.
std::optional<Axial::ThinLens> lensOfFocalLength(double front, double N, double between,
                                                 double after);

} // namespace Optics
