// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "benchstate.h"
#include "notation.h"

#include <array>
#include <vector>

// The names on the textbook figure: the object AB and its image A'B', the
// optical centre O, F and 2F before the lens, F' and 2F' behind it, and the
// kind of image in words. Placed from the model, never from the drawing, so
// they follow the points live. Each stands beside its point, clear of every
// stroke drawn on its area, of the bench's own parts (the axis, the lens, the
// marks, the read-outs), of the names placed before it and of the area's
// edges. The side tried first is the textbook's: axis points on the side of
// the axis away from the object's tip, to the left; the tips beyond the tip,
// away from the axis, to the left; the feet on the far side of the axis, to
// the right. Only when that side is taken does a name try the others, then a
// little farther out.
namespace Labels {

enum class Text { A, B, APrime, BPrime, O, F, TwoF, FPrime, TwoFPrime, Real, Virtual };
constexpr int kTextCount = int(Text::Virtual) + 1;

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
// The farthest a name stands from its point: the nearest edge of its box no
// more than this from the point along either axis (40 laid-out pixels, about
// 59 at the fit to 1080 lines). Names stand as near as the strokes leave
// room, at the gap wherever they can; only beside a small virtual image,
// where the rays and their extensions crowd, do they need all of it. The
// words may stand one line farther, past the tip's name.
constexpr double kBeside = 600;
// The names of a virtual image, where the rays and their extensions meet, may
// stand half as far again rather than nearer another point than their own.
constexpr double kCrowdedBeside = 1.5 * kBeside;
constexpr double kWordsBeside = kBeside + kLine;
// The words of an image off the area stand inside the edge nearest to it, no
// farther than this from the point of the edge nearest to the image: the rays
// leaving towards it crowd that corner.
constexpr double kWordsAtEdge = 2 * kWordsBeside;

// A text's box at the laid-out size, in twips: its advance and the font's
// ascent plus descent.
struct Size {
    double width = 0;
    double height = 0;
};
using Sizes = std::array<Size, kTextCount>;

// The sizes estimated without fonts; the window passes the ones it measures
// with the font it paints in.
Sizes estimatedSizes();

// A box in twips of an area.
struct Box {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// A straight stroke drawn on an area, with half its pen's width; dashed for a
// backward extension, which meets the others at a virtual image.
struct Line {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double halfWidth = 0;
    bool dashed = false;
};

// What the names keep clear of on one area.
struct Obstacles {
    std::vector<Line> lines;
    std::vector<Box> boxes; // dots, and the bench's parts over the area
};
struct Scene {
    Obstacles left;
    Obstacles right;
};

// The labels for the bench as it stands: the axis points whenever the lens has
// a power, the object and its image while the object is placed in the scheme
// view (the image only where there is one). A name whose point lies off its
// area is left out; the words of an image off the area stand at the edge
// nearest to it, since they alone tell real from virtual without colour.
// A notation with one focal length in one medium names both foci F and 2F.
std::vector<Mark> labelMarks(const BenchState& bench, const Sizes& sizes = estimatedSizes(),
                             const Scene& scene = {},
                             Optics::Notation notation = Optics::Notation::SignedGaussian);

} // namespace Labels
