// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lens.h"

#include <optional>
#include <string>
#include <string_view>

// The letters a textbook writes the thin-lens formula in, and the power it
// calls the lens's optical power. Every place that shows a distance, a focal
// length, a magnification or a power takes its letters from here.
namespace Optics {

enum class Notation {
    // 1/F = 1/d + 1/f: d the object, f the image, F the focal length (F and F′
    // before and behind the lens between two media), Γ = |f|/d with the kind in
    // words, D = 1/F in dioptres.
    RussianSchool,
    // 1/f = 1/u + 1/v: u the object, v the image, f the focal length,
    // m = image height / object height with the kind in words, P = 1/f.
    UkSchool,
    // n1/d + n2/b = P: d and b, the focal lengths f = n1/P and f′ = n2/P, the
    // signed Γ = −(n1 b)/(n2 d), the power as the vergence P.
    SignedGaussian,
};
constexpr Notation kNotations[] = {Notation::RussianSchool, Notation::UkSchool,
                                   Notation::SignedGaussian};

// What a power in dioptres means.
enum class PowerDefinition {
    // The school's D = 1/F: in one medium n, (N/n − 1)(1/R1 + 1/R2) = P/n;
    // between two media 1/F of the front focal length F = n1/P, the F the
    // read-outs show, so that D follows the media without a jump.
    ReciprocalFocalLength,
    // The vergence P = n1/f = n2/f′ = (N − n1)/R1 − (N − n2)/R2.
    Vergence,
};

// The letters, UTF-8.
struct Letters {
    const char* objectDistance;
    const char* imageDistance;
    const char* focalLength;     // the front one, and the only one in one medium
    const char* backFocalLength; // the one behind the lens
    const char* magnification;
    const char* power;
    bool unsignedMagnification; // its size alone; upright or inverted said in words
    bool oneFocalLengthInOneMedium;
    PowerDefinition powerDefinition;
};
const Letters& lettersOf(Notation notation);

// The word a setup file keeps a notation by, and the notation of a word.
const char* keyOf(Notation notation);
std::optional<Notation> notationKeyed(std::string_view key);

// The notation after this one, for a control that steps through them.
Notation nextNotation(Notation notation);

// The lens stands in one medium: the same index on both sides.
bool oneMedium(const Lens& lens);

// The notation names a single focal length F for this lens (a school book's,
// in one medium): the figure's foci are F and 2F on both sides, and F′ is
// named only where the two focal lengths differ.
bool oneFocalLength(Notation notation, const Lens& lens);

// The formula the shown power is computed by.
enum class PowerFormula {
    OneOverF,      // D = 1/F, one medium
    OneOverFrontF, // D = 1/F of the front focal length, two media in a school notation
    Vergence,      // n1/f = n2/f′, the signed notation
};
PowerFormula powerFormula(Notation notation, const Lens& lens);

// The power in dioptres as the notation defines it; zero where the lens has none.
double powerIn(Notation notation, const Lens& lens);

// The magnification as the notation shows it: signed, or its size.
double magnificationIn(Notation notation, double magnification);

// Where an object stands before a converging lens, as a textbook names it.
enum class ObjectRegion { BeyondTwoF, AtTwoF, BetweenFAndTwoF, AtF, InsideF };
// "F < d < 2F", "u > 2f", "d = 2f" in the notation's letters.
std::string regionText(Notation notation, ObjectRegion region);

} // namespace Optics
