// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "axial.h"

#include <optional>

// The eye as the school draws it: one thin lens between air and the eye's
// medium, the retina a fixed distance behind it, and spectacles a thin lens
// in air before it. Centimetres and reciprocal centimetres as in axial.h (a
// dioptre is 1/100 of one); the eye's lens stands at z = 0 and light runs
// towards growing z.
namespace Optics::Scenes {

using Axial::kInfinite;

// Gullstrand's reduced eye: one refracting surface of radius 5.73 mm between
// air and a medium of index 1.336, the power 0.336 / 0.573 cm = 58.64 D that
// his exact schematic eye has as a whole. Its focal lengths are then
// f = 1/P = 17.05 mm before it and f' = n'/P = 22.78 mm behind it; the retina
// of the relaxed normal eye lies in the back focal plane. As a thin lens it is
// a lens whose glass is the eye's medium itself (the back surface bends
// nothing), so accommodation is that surface curving more.
constexpr double kEyeMedium = 1.336;
constexpr double kEyeRadius = 0.573;                               // cm
constexpr double kRelaxedEyePower = (kEyeMedium - 1) / kEyeRadius; // 1/cm
constexpr double kNormalRetina = kEyeMedium / kRelaxedEyePower;    // cm
// The near point of the normal eye, the distance of best vision against which
// every magnifier and microscope is rated.
constexpr double kNearPoint = 25; // cm
// Accommodation from the far point at infinity to 25 cm adds 4 D.
constexpr double kNormalAccommodation = 1 / kNearPoint; // 1/cm
// Spectacles sit about 12 mm before the cornea; 0 is a lens in contact, as
// school problems take it (D = −1/far point).
constexpr double kVertexDistance = 1.2; // cm

struct Eye {
    double retina = kNormalRetina;               // cm behind the eye's lens
    double relaxedPower = kRelaxedEyePower;      // 1/cm
    double accommodation = kNormalAccommodation; // 1/cm the eye can add
    bool operator==(const Eye&) const = default;
};

// The eye whose defect a contact lens of `error` (1/cm) corrects: negative a
// myope (−0.02, "−2 D", sees sharply no further than 50 cm), positive a
// hyperope. The defect is in its length (the retina further or nearer), its
// power and accommodation a normal eye's.
Eye eyeWithError(double error);

// A thin lens in air `vertex` cm before the eye (0: in contact with it).
struct Spectacles {
    double power = 0; // 1/cm
    double vertex = kVertexDistance;
    bool operator==(const Spectacles&) const = default;
};

// The relaxed and the fully accommodated eye's sharp points, in cm before the
// eye's lens, through the spectacles if it wears them: kInfinite for parallel
// light; negative where only light converging towards a point that far behind
// the eye is focused (a hyperope's far point, a strong one's near point).
double farPoint(const Eye& eye, const std::optional<Spectacles>& spectacles = {});
double nearPoint(const Eye& eye, const std::optional<Spectacles>& spectacles = {});

// The eye's lens of power P (1/cm) as an element between air and its medium.
Axial::ThinLens eyeLens(double P);
// The eye looking at `object` (z < 0, before it) with the power P, through
// the spectacles if any: the spectacles' element first, then the eye's at 0.
Axial::System eyeSystem(double P, Axial::Object object,
                        const std::optional<Spectacles>& spectacles = {});

// Where the eye's image of a point on the axis `distance` cm before it lands
// when it accommodates as well as it can (kInfinite: a distant point). A
// point between the spectacles and the eye sends its light past them. Where
// the eye at its strongest still leaves the light parallel or diverging, the
// image is infinite or negative: far behind the retina either way.
enum class Landing { OnRetina, BeforeRetina, BehindRetina };
struct Sight {
    double power = 0;         // the eye's, within its range, 1/cm
    double image = kInfinite; // cm behind the eye's lens (negative: virtual)
    double defocus = 0;       // image − retina: negative before the retina
    Landing landing = Landing::OnRetina;
};
Sight look(const Eye& eye, double distance, const std::optional<Spectacles>& spectacles = {});

// The spectacles' power at this vertex distance that moves the far point to
// infinity (a myope's lens, negative), and the one that moves the near point
// to 25 cm (a hyperope's, positive for one whose near point lies beyond).
double distanceCorrection(const Eye& eye, double vertex = kVertexDistance);
double readingCorrection(const Eye& eye, double vertex = kVertexDistance);
// The one the textbook prescribes: for a finite far point before the eye the
// distance correction, for a near point beyond 25 cm (or behind the eye) the
// reading one, for a normal eye none.
double correction(const Eye& eye, double vertex = kVertexDistance);

} // namespace Optics::Scenes
