// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rgbcolor.h"

class PictureBox;

// A thin lens behind the bench's, drawn as the scheme view draws the first:
// a bar across the axis with arrowheads at its ends, pointing out for a lens
// that gathers light and in for one that spreads it. Shared by whatever puts
// a second lens on the bench (the optical system, the tasks).
namespace LensFigure {

// The bar's ends in the areas' twips (the first lens's bar, picVexol, spans
// window y 3120 to 6585), its width in pixels and its arrowheads' length.
inline constexpr double kBarTop = 2310;
inline constexpr double kBarBottom = 5775;
inline constexpr int kBarWidth = 4;
inline constexpr double kHead = 270;
inline constexpr RgbValue kColour = RGB(0, 0, 192);

// A line drawn with its own width and dash, the area's pen left as it was.
void stroke(PictureBox& area, double x1, double y1, double x2, double y2, RgbValue colour,
            int width, bool dashed);

// The lens at x of the area.
void draw(PictureBox& area, double x, bool converging);

} // namespace LensFigure
