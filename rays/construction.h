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

// The lens as the construction needs it, for media n1 | n2 on its two sides.
// F2 = |f2| is where rays parallel to the axis meet (or seem to come from, for a
// diverging lens); F1 = |f1| is the object distance whose rays leave parallel.
// A ray through the optical centre is bent by the media alone: n2 u2 = n1 u1,
// so its slope grows by bend = n1 / n2 (1 with equal media: no bend at all).
// F1 is taken as bend * F2, which is |f1| itself for every finite focal length
// and keeps the construction consistent where 760000 stands for infinity.
struct ThinLens {
    double F1;
    double F2;
    double bend;
    bool converging;
};

inline ThinLens thinLens(double f2, double n1, double n2, bool converging) {
    const double bend = (n1 > 0 && n2 > 0 && std::isfinite(n1 / n2)) ? n1 / n2 : 1;
    const double F2 = f2 * signOf(f2);
    return {bend * F2, F2, bend, converging};
}

// Where the rays of an object point at distance d in front of the lens meet
// behind it, from f1 / d + f2 / b = 1: b = f2 d / (d - f1). Negative when they
// only seem to come from a point b left of the lens (a virtual image): always for
// a diverging lens, and for a converging one with the object inside F1. Nothing
// when the object stands in the front focal plane: the refracted rays leave
// parallel and meet nowhere.
inline std::optional<double> imageDistance(const ThinLens& lens, double d) {
    const double b = lens.converging ? lens.F2 * d / (d - lens.F1) : -lens.F2 * d / (d + lens.F1);
    if (!std::isfinite(b))
        return std::nullopt;
    return b;
}

} // namespace Construction
