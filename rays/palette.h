// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "benchstate.h"

#include <cstdint>

// The colours of the construction, in one place: the classic ones the bench
// was laid out with, and a set told apart with a colour-vision deficiency
// (the Okabe-Ito colours), switched with the bench's SafePalette flag. Packed
// red + 256 green + 65536 blue. Colour never carries a meaning alone: virtual
// rays and images are also dashed and named in words.
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

const Construction& classic();
const Construction& safe();
// The palette the bench has switched on.
const Construction& of(const BenchState& bench);

} // namespace Palette
