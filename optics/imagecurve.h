// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lens.h"

#include <vector>

// The image distance b and the magnification Γ as functions of the object
// distance d, sampled from the model for the graph, in the units of the
// read-outs (centimetres, Γ a plain number).
namespace Optics {

struct CurvePoint {
    double d = 0;
    double b = 0;
    double magnification = 0;
};

// The curves of a lens for objects from dFrom to dTo (cm, dFrom > 0). A branch
// is a run of points the plot joins: the curves break where the object
// crosses the front focal plane (b and Γ change sign through infinity) and
// where |b| or |Γ| leave the plotted range, so that no line joins +∞ to −∞.
struct ImageCurves {
    std::vector<std::vector<CurvePoint>> branches;
    double front = 0; // f, cm: the vertical asymptote d = f
    double back = 0;  // f', cm: the horizontal asymptote b = f'
    bool finite = false;
};

struct CurveRange {
    double dFrom = 0.05;
    double dTo = 13.25;
    // Kept well beyond what a plot shows, so the curves run off its edges.
    double bLimit = 150;
    double magnificationLimit = 40;
    int samples = 600;
};

ImageCurves imageCurves(const Lens& lens, const CurveRange& range);

// The same for the final image of a system whose first element stands at
// z = 0: d before it, b behind the last element. The final image runs to
// infinity where the object crosses the system's front focal point, so `front`
// is that point's distance before the first element, and `back` where the
// image of a distant object stands behind the last (not finite: no power, an
// afocal pair's straight lines).
ImageCurves imageCurves(const Axial::System& system, const CurveRange& range);

} // namespace Optics
