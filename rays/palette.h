// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

struct BenchState;

// The colours of the construction, in one place: the classic ones the bench
// was laid out with, and a set told apart with a colour-vision deficiency
// (the Okabe-Ito colours), switched with the bench's SafePalette flag. Packed
// red + 256 green + 65536 blue. Colour never carries a meaning alone: virtual
// rays and images are also dashed and named in words. Plain C++: the browser
// page draws with the same colours.
namespace Palette {

constexpr std::int32_t rgb(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}

struct Construction {
    std::int32_t ray = 0;              // rays as they travel
    std::int32_t object = 0;           // the object arrow
    std::int32_t realImage = 0;        // a real image and the rays that form it
    std::int32_t virtualImage = 0;     // a virtual image
    std::int32_t extension = 0;        // backward extensions of rays
    std::int32_t constructionLine = 0; // focal planes, secondary axes
    std::int32_t convergingMark = 0;   // F marks of a converging lens
    std::int32_t convergingMark2F = 0; // its 2F marks
    std::int32_t divergingMark = 0;    // F marks of a diverging lens
    std::int32_t divergingMark2F = 0;  // its 2F marks
    std::int32_t label = 0;            // the letters and words on the drawing
};

namespace Colour {
constexpr std::int32_t kBlack = rgb(0, 0, 0);
constexpr std::int32_t kGrey = rgb(128, 128, 128);
// Okabe-Ito: blue and vermillion stay apart under deuteranopia and protanopia
// (blue against orange-brown) and differ in lightness too; bluish green for
// the construction lines stands out from both and from the tinted media.
constexpr std::int32_t kOkabeBlue = rgb(0, 114, 178);
constexpr std::int32_t kOkabeVermillion = rgb(213, 94, 0);
constexpr std::int32_t kOkabeOrange = rgb(230, 159, 0);
constexpr std::int32_t kOkabeBluishGreen = rgb(0, 158, 115);
} // namespace Colour

inline constexpr Construction kClassic{
    Colour::kBlack,     // ray
    rgb(0, 255, 0),     // object
    rgb(0, 255, 0),     // real image
    rgb(255, 0, 0),     // virtual image
    rgb(255, 0, 0),     // extension
    Colour::kGrey,      // construction line
    Colour::kBlack,     // converging F
    Colour::kGrey,      // converging 2F
    rgb(255, 0, 0),     // diverging F
    rgb(255, 128, 128), // diverging 2F
    Colour::kBlack,     // label
};

inline constexpr Construction kSafe{
    Colour::kBlack,            // ray
    Colour::kOkabeBlue,        // object
    Colour::kOkabeBlue,        // real image
    Colour::kOkabeVermillion,  // virtual image
    Colour::kOkabeVermillion,  // extension
    Colour::kOkabeBluishGreen, // construction line
    Colour::kBlack,            // converging F
    Colour::kGrey,             // converging 2F
    Colour::kOkabeVermillion,  // diverging F
    Colour::kOkabeOrange,      // diverging 2F
    Colour::kBlack,            // label
};

inline const Construction& classic() {
    return kClassic;
}
inline const Construction& safe() {
    return kSafe;
}
// The palette the bench has switched on.
const Construction& of(const BenchState& bench);

} // namespace Palette
