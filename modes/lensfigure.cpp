// SPDX-License-Identifier: GPL-3.0-or-later
#include "lensfigure.h"

#include "picturebox.h"

#include <utility>

namespace LensFigure {

void stroke(PictureBox& area, double x1, double y1, double x2, double y2, RgbValue colour,
            int width, bool dashed) {
    const int oldWidth = area.DrawWidth();
    const int oldStyle = area.DrawStyle();
    area.SetDrawWidth(width);
    area.SetDrawStyle(dashed ? 1 : 0);
    area.Line(x1, y1, x2, y2, colour);
    area.SetDrawWidth(oldWidth);
    area.SetDrawStyle(oldStyle);
}

void draw(PictureBox& area, double x, bool converging) {
    stroke(area, x, kBarTop, x, kBarBottom, kColour, kBarWidth, false);
    const double out = converging ? kHead : -kHead;
    for (const auto& [end, sign] : {std::pair{kBarTop, 1.0}, std::pair{kBarBottom, -1.0}})
        for (const double side : {-kHead, kHead})
            stroke(area, x, end, x + side, end + sign * out, kColour, kBarWidth, false);
}

} // namespace LensFigure
