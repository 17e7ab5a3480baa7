// SPDX-License-Identifier: GPL-3.0-or-later
#include "palette.h"

namespace Palette {

namespace {
constexpr std::int32_t kBlack = rgb(0, 0, 0);
constexpr std::int32_t kGrey = rgb(128, 128, 128);

// Okabe-Ito: blue and vermillion stay apart under deuteranopia and protanopia
// (blue against orange-brown) and differ in lightness too; bluish green for
// the construction lines stands out from both and from the tinted media.
constexpr std::int32_t kOkabeBlue = rgb(0, 114, 178);
constexpr std::int32_t kOkabeVermillion = rgb(213, 94, 0);
constexpr std::int32_t kOkabeOrange = rgb(230, 159, 0);
constexpr std::int32_t kOkabeBluishGreen = rgb(0, 158, 115);

constexpr Construction kClassic{
    kBlack,             // ray
    rgb(0, 255, 0),     // object
    rgb(0, 255, 0),     // real image
    rgb(255, 0, 0),     // virtual image
    rgb(255, 0, 0),     // extension
    kGrey,              // construction line
    kBlack,             // converging F
    kGrey,              // converging 2F
    rgb(255, 0, 0),     // diverging F
    rgb(255, 128, 128), // diverging 2F
    kBlack,             // label
};

constexpr Construction kSafe{
    kBlack,            // ray
    kOkabeBlue,        // object
    kOkabeBlue,        // real image
    kOkabeVermillion,  // virtual image
    kOkabeVermillion,  // extension
    kOkabeBluishGreen, // construction line
    kBlack,            // converging F
    kGrey,             // converging 2F
    kOkabeVermillion,  // diverging F
    kOkabeOrange,      // diverging 2F
    kBlack,            // label
};
} // namespace

const Construction& classic() {
    return kClassic;
}

const Construction& safe() {
    return kSafe;
}

const Construction& of(const BenchState& bench) {
    return bench.SafePalette ? kSafe : kClassic;
}

} // namespace Palette
