// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench.h"
#include "benchoptics.h"
#include "lens.h"

// Where the bench's own parts stand for a lens, in twips of their areas: the
// focal marks (F and 2F on both sides) and the lens symbol's arrowhead boxes.
// The window places its parts here, and the names of a figure drawn for
// another bench than the window's keep clear of them where they would stand.
namespace BenchLayout {

// The marks' left edges: F and 2F in the left area, F′ and 2F′ in the right,
// for focal lengths f1, f2 (signed, twips) and the marks' widths. Distances
// are magnitudes: a diverging lens has its left marks at |f2|, its right ones
// at |f1|.
struct MarkLefts {
    float f1 = 0;
    float twoF1 = 0;
    float f2 = 0;
    float twoF2 = 0;
};
inline MarkLefts markLefts(double f1, double f2, double widthLeft, double widthRight) {
    const Optics::MarkDistances at = Optics::markDistances({f1, f2, 0, true});
    MarkLefts lefts;
    lefts.f1 = float((Bench::kLensX - widthLeft - at.objectSide) + widthLeft / 2);
    lefts.f2 = float(at.imageSide - widthRight / 2);
    lefts.twoF1 = float(double(lefts.f1) - at.objectSide);
    lefts.twoF2 = float(double(lefts.f2) + at.imageSide);
    return lefts;
}

// The tops of the arrowhead boxes at the ends of the lens bar: an inverted V
// on the upper end and a V on the lower end point outwards (a converging
// lens), the other way round inwards.
struct ArrowheadTops {
    float upper = 0; // picLup, picRup
    float lower = 0; // picLdown, picRdown
};
constexpr ArrowheadTops arrowheadTops(bool outwards) {
    return outwards ? ArrowheadTops{6320, 3135} : ArrowheadTops{2880, 6540};
}

} // namespace BenchLayout
