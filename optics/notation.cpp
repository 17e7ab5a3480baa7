// SPDX-License-Identifier: GPL-3.0-or-later
#include "notation.h"

#include <cmath>
#include <iterator>

namespace Optics {

namespace {
constexpr Letters kRussian{
    "d", "f", "F", "F′", "Γ", "D", true, true, PowerDefinition::ReciprocalFocalLength};
constexpr Letters kUk{
    "u", "v", "f", "f′", "m", "P", true, true, PowerDefinition::ReciprocalFocalLength};
constexpr Letters kSigned{"d", "b", "f", "f′", "Γ", "D", false, false, PowerDefinition::Vergence};

struct Keyed {
    Notation notation;
    const char* key;
};
constexpr Keyed kKeys[] = {{Notation::RussianSchool, "russian"},
                           {Notation::UkSchool, "uk"},
                           {Notation::SignedGaussian, "signed"}};

// Indices set by the same slider or typed alike agree to far better than
// this; anything further apart is two media.
constexpr double kSameIndexWithin = 1e-9;
} // namespace

const Letters& lettersOf(Notation notation) {
    switch (notation) {
    case Notation::UkSchool:
        return kUk;
    case Notation::SignedGaussian:
        return kSigned;
    case Notation::RussianSchool:
        break;
    }
    return kRussian;
}

const char* keyOf(Notation notation) {
    for (const Keyed& k : kKeys)
        if (k.notation == notation)
            return k.key;
    return kKeys[0].key;
}

std::optional<Notation> notationKeyed(std::string_view key) {
    for (const Keyed& k : kKeys)
        if (key == k.key)
            return k.notation;
    return std::nullopt;
}

Notation nextNotation(Notation notation) {
    constexpr int kCount = int(std::size(kNotations));
    for (int i = 0; i < kCount; ++i)
        if (kNotations[i] == notation)
            return kNotations[(i + 1) % kCount];
    return kNotations[0];
}

bool oneMedium(const Lens& lens) {
    return std::fabs(lens.n1 - lens.n2) <= kSameIndexWithin;
}

bool oneFocalLength(Notation notation, const Lens& lens) {
    return lettersOf(notation).oneFocalLengthInOneMedium && oneMedium(lens);
}

PowerFormula powerFormula(Notation notation, const Lens& lens) {
    if (lettersOf(notation).powerDefinition == PowerDefinition::Vergence)
        return PowerFormula::Vergence;
    return oneMedium(lens) ? PowerFormula::OneOverF : PowerFormula::OneOverFrontF;
}

double powerIn(Notation notation, const Lens& lens) {
    const double vergence = dioptres(power(lens));
    // The vergence is n1/F: the school's 1/F is n1 times smaller, in one medium
    // and, with F the front focal length, between two.
    if (powerFormula(notation, lens) == PowerFormula::Vergence)
        return vergence;
    return vergence / lens.n1;
}

double magnificationIn(Notation notation, double magnification) {
    return lettersOf(notation).unsignedMagnification ? std::fabs(magnification) : magnification;
}

std::string regionText(Notation notation, ObjectRegion region) {
    const Letters& l = lettersOf(notation);
    const std::string d = l.objectDistance;
    const std::string F = l.focalLength;
    switch (region) {
    case ObjectRegion::BeyondTwoF:
        return d + " > 2" + F;
    case ObjectRegion::AtTwoF:
        return d + " = 2" + F;
    case ObjectRegion::BetweenFAndTwoF:
        return F + " < " + d + " < 2" + F;
    case ObjectRegion::AtF:
        return d + " = " + F;
    case ObjectRegion::InsideF:
        break;
    }
    return d + " < " + F;
}

} // namespace Optics
