// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "benchstate.h"

#include <vector>

// The names on the textbook figure: the object AB and its image A'B', the
// optical centre O, F and 2F before the lens, F' and 2F' behind it, and the
// kind of image in words. Placed from the model, never from the drawing, so
// they follow the points live. Each stands beside its point on a side no line
// through that point takes: axis points on the side of the axis away from the
// object's tip, to the left (the rays through F, O and F' run from the tip's
// side across to the other side on the right); the tips beyond the tip, away
// from the axis, to the left (the arrow runs to the axis, the rays leave a
// real image to the right and end at a virtual one); the feet on the far side
// of the axis, to the right.
namespace Labels {

enum class Text { A, B, APrime, BPrime, O, F, TwoF, FPrime, TwoFPrime, Real, Virtual };

// Which area the label stands in.
enum class Area { Left, Right };

// Which point of the text's box stands at the position.
enum class Anchor { TopLeft, TopRight, BottomLeft, BottomRight };

struct Mark {
    Text text = Text::O;
    Area area = Area::Left;
    double x = 0; // twips of the area
    double y = 0;
    Anchor anchor = Anchor::TopLeft;
};

// How far a label's box stands off its point, in twips (8 laid-out pixels), and
// the height of one line of the words below a name.
constexpr double kGap = 120;
constexpr double kLine = 330;

// The labels for the bench as it stands: the axis points whenever the lens has
// a power, the object and its image while the object is placed in the scheme
// view (the image only where there is one).
std::vector<Mark> labelMarks(const BenchState& bench);

} // namespace Labels
