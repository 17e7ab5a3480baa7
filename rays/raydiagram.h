// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "benchgeometry.h"
#include "benchstate.h"

#include <cstdint>
#include <vector>

// The ray construction of the scheme view as data: for the bench's lens and
// object point, every line and dot the construction draws, in drawing order,
// each with the area it stands in, what it is, and the pen it is drawn with.
// The window draws the list as it stands; a test reads it without a window.
//
// Frames: picLeft runs from x = 0 to the lens plane at x = 7500, picRigth from
// the lens plane at x = 0 to the right; y grows downwards in both and the main
// optical axis is y = 3990. Each ray that crosses the lens is two strokes, one
// in each area, meeting at the lens plane.
namespace Optics {

// Packed 24-bit colours, red + 256 green + 65536 blue.
using Colour = std::int32_t;
constexpr Colour kBlack = 0;
constexpr Colour kGreen = 65280;  // the object and the real image
constexpr Colour kGrey = 8421504; // construction lines: focal planes, secondary axes
constexpr Colour kRed = 255;      // the virtual image and backward extensions

enum class Area { Left, Right };

// What a stroke shows.
enum class Role {
    Object,            // the object line, from the point to the axis
    ObjectDot,         // the object point
    CentralRay,        // through the optical centre
    ParallelRay,       // parallel to the axis, then through (or from) the back focus
    EdgeRay,           // to an aperture edge: an object beyond the aperture or on the axis
    FocalRay,          // through the front focus, then parallel to the axis
    FocalPlane,        // a construction line: the focal plane
    SecondaryAxis,     // a construction line: through the centre, parallel to an edge ray
    BackwardExtension, // a refracted ray traced back to where it seems to come from
    ImageDot,          // the image point
    ImageLine,         // the image's line to the axis
};

// The drawing state an area holds: it stays set from one stroke to the next.
// Widths are pixels of the layout; style 0 solid, 1 dashed; fill style 0
// solid, 1 transparent.
struct Pen {
    int width = 1;
    int style = 0;
    int fillStyle = 1;
    Colour fillColour = 0;
    Colour foreColour = 0;
};

struct Stroke {
    Area area = Area::Left;
    Role role = Role::Object;
    bool refracted = false; // the part of a ray after the lens
    bool circle = false;
    double x1 = 0; // line start, or circle centre
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double radius = 0;
    Colour colour = kBlack;
    Pen pen; // as in force when the stroke is drawn
};

// A line, or a dot of this radius at (x, y), in the pen in force.
Stroke lineStroke(Area area, Role role, bool refracted, double x1, double y1, double x2, double y2,
                  Colour colour, const Pen& pen);
Stroke dotStroke(Area area, Role role, double x, double y, double radius, Colour colour,
                 const Pen& pen);

// A construction: its strokes, the pens it leaves the two areas with, and the
// bench's work values as it leaves them (the image point, the slopes, where
// the ray to extend leaves the lens).
struct Construction {
    std::vector<Stroke> strokes;
    Pen left;
    Pen right;
    BenchState bench;
};

// The whole construction for the object point, starting from the pens the
// areas hold. Nothing for a point on or right of the lens plane, or at an
// infinite or undefined place.
Construction rayDiagram(const BenchState& bench, const Pen& left, const Pen& right);

// Its pieces, each on its own as the construction uses them: the beam of an
// object point on the axis, the real image mark at (ImageX, ImageY) of
// picRigth, the virtual image at (ImageX, ImageY) of picLeft with the backward
// extensions that find it.
Construction axialBeam(const BenchState& bench, const Pen& left, const Pen& right);
Construction realImageMark(const BenchState& bench, const Pen& left, const Pen& right);
Construction virtualImage(const BenchState& bench, const Pen& left, const Pen& right);

// Nearest whole number, a half going to the even neighbour, as a 32-bit integer.
// Values beyond the integer range saturate; a value that is not a number gives 0.
std::int32_t roundToInt32(double v);

} // namespace Optics
