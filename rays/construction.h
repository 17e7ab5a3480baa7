// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picturebox.h"
#include "rgbcolor.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

// Small pieces shared by the ray construction: its colours, the sign and
// rounding rules it computes with, and the thin-lens image distance.
namespace Construction {

constexpr RgbValue kBlack = 0;
constexpr RgbValue kGreen = 65280;  // the object and the real image
constexpr RgbValue kGrey = 8421504; // construction lines: focal planes, secondary axes
constexpr RgbValue kRed = 255;      // the virtual image and backward extensions

// Construction lines are drawn thin and dashed, rays solid and two pixels wide;
// the blocks switch both areas between the two.
inline void dashedThin(PictureBox* first, PictureBox* second) {
    for (PictureBox* area : {first, second}) {
        area->SetDrawStyle(1);
        area->SetDrawWidth(1);
    }
}

inline void solidRays(PictureBox* first, PictureBox* second) {
    for (PictureBox* area : {first, second}) {
        area->SetDrawStyle(0);
        area->SetDrawWidth(2);
    }
}

// sign(v) as -1, 0 or +1.
inline int signOf(double v) {
    return (v > 0) - (v < 0);
}

// Nearest whole number, a half going to the even neighbour, as a 32-bit integer.
// Values beyond the integer range saturate; a value that is not a number gives 0.
inline std::int32_t roundToInt32(double v) {
    if (std::isnan(v))
        return 0;
    const double r = std::nearbyint(v); // the default rounding mode: half to even
    if (r >= double(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (r <= double(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}

// Where the rays of an object point at distance d in front of the lens meet
// behind it: 1 / (1/F2 - 1/d), from 1/d + 1/b = 1/F2 with F2 = |f2|. Negative
// when the object stands inside the focal length (the rays then only seem to come
// from a point b left of the lens). Nothing when the object stands in the focal
// plane: the refracted rays leave parallel and meet nowhere.
inline std::optional<double> imageDistance(double f2, double d) {
    const double vergence = (1 / f2) * signOf(f2) - 1 / d;
    if (vergence == 0)
        return std::nullopt;
    const double b = 1 / vergence;
    if (!std::isfinite(b))
        return std::nullopt;
    return b;
}

} // namespace Construction
