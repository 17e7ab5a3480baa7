// SPDX-License-Identifier: GPL-3.0-or-later
#include "scale.h"

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

} // namespace Optics
