// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "raydiagram.h"
#include "rgbcolor.h"
#include "textmark.h"

#include <QRectF>
#include <QString>
#include <QVector>

class PictureBox;

// The pieces every figure of several lenses draws with: a lens as the scheme
// view shows the bench's, the object's and the images' arrows, and names put
// clear of the rays. The optical system and the scenes draw with these.
namespace LensFigure {

// The second lens drawn as the scheme view shows the first: its bar (picVexol,
// window y 3120 to 6585, so 2310 to 5775 of the areas) four pixels wide, and
// arrowheads 270 twips long at its ends, out for a converging lens, in for a
// diverging one.
inline constexpr double kBarTop = 2310;
inline constexpr double kBarBottom = 5775;
inline constexpr int kBarWidth = 4;
inline constexpr double kHead = 270;
inline constexpr RgbValue kLensColour = RGB(0, 0, 192);

// The names: the letters of the names layer, this far off their points.
inline constexpr double kNamePoints = 12;
inline constexpr double kNameGap = 120;

// A lens at x of the area: its bar from top to bottom and arrowheads, out
// when it converges, in when it diverges.
void lens(PictureBox& area, double x, bool converging, double top = kBarTop,
          double bottom = kBarBottom);

// A name placed beside its point, inside its area, clear of the strokes on it
// and of the names placed before it: the sides are tried in the order given,
// then a little farther out; where none is clear the first side is taken.
struct Namer {
    const PictureBox* area;
    QVector<TextMark>* names;
    RgbValue colour;
    QVector<QRectF> taken = {};

    bool clear(const QRectF& box) const;
    // `above`: the name goes above its point first (a tip above the axis).
    void put(const QString& text, double x, double y, bool above);
};

Optics::Pen penOf(const PictureBox& area);
void setPen(PictureBox& area, const Optics::Pen& pen);
// A line drawn with its own width and dash, the area's pen left as it was.
void stroke(PictureBox& area, double x1, double y1, double x2, double y2, RgbValue colour,
            int width, bool dashed);
// An arrow from its foot on the axis to its tip, as the object and the images
// are drawn; the arrowhead only with the names, as on the single lens's bench.
void arrow(PictureBox& area, double x, double tip, RgbValue colour, bool dashed, bool head);

} // namespace LensFigure
