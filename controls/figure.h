// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rgbcolor.h"

// One figure drawn on a picture area since its last Refresh, with the drawing
// state it was drawn with. Coordinates are twips of the area, single precision,
// exactly as the logic handed them over (they may lie far outside the area).
struct Figure {
    enum class Kind { Line, Circle };

    Kind kind = Kind::Line;
    float x1 = 0; // line start, or circle centre
    float y1 = 0;
    float x2 = 0; // line end (unused for a circle)
    float y2 = 0;
    float radius = 0;    // circle only
    RgbValue colour = 0; // pen colour
    int drawWidth = 1;   // pixels
    int drawStyle = 0;   // 0 solid, 1 dashed
    int fillStyle = 1;   // 0 solid, 1 transparent
    RgbValue fillColour = 0;

    bool operator==(const Figure&) const = default;
};
