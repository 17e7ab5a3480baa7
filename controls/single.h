// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <limits>

// Double to single precision without leaving the float range: a value too large
// for a float becomes an infinity (which is never drawn) instead of undefined.
inline float toSingle(double value) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (value > kMax)
        return std::numeric_limits<float>::infinity();
    if (value < -kMax)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}
