// SPDX-License-Identifier: GPL-3.0-or-later
#include "scale.h"

#include "bench.h"

#include <algorithm>

namespace Optics {

std::optional<Scale> Scale::of(double k) {
    for (const int choice : kChoices)
        if (k == choice)
            return Scale(choice);
    return std::nullopt;
}

Scale Scale::next() const {
    const auto* at = std::find(kChoices.begin(), kChoices.end(), m_k);
    const auto* following = at == kChoices.end() ? kChoices.begin() : at + 1;
    return Scale(following == kChoices.end() ? kChoices.front() : *following);
}

double Scale::realCm(double twips) const {
    return twips / Bench::kTwipsPerCm * m_k;
}

double Scale::twips(double realCm) const {
    return realCm * Bench::kTwipsPerCm / m_k;
}

} // namespace Optics
