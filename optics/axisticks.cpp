// SPDX-License-Identifier: GPL-3.0-or-later
#include "axisticks.h"

#include <algorithm>
#include <cmath>

namespace Optics {

namespace {
// The mantissas of a round step, finest first.
constexpr double kRoundMantissas[] = {1, 2, 5};
constexpr int kFewestMarks = 2;
// A mark is kept when it lies within this part of a step outside the range,
// so that the range's own round ends are marked despite rounding.
constexpr double kEdgeSlack = 1e-9;

int marksWithin(double from, double to, double step) {
    return int(std::floor(to / step + kEdgeSlack) - std::ceil(from / step - kEdgeSlack)) + 1;
}
} // namespace

AxisTicks roundTicks(double from, double to, int most) {
    AxisTicks ticks;
    if (!(std::isfinite(from) && std::isfinite(to) && from < to))
        return ticks;
    most = std::max(most, kFewestMarks);
    // Start one decade below the step that spreads the marks evenly, then
    // take the first round step that leaves no more than `most` marks.
    int exponent = int(std::floor(std::log10((to - from) / most))) - 1;
    for (;; ++exponent) {
        const double decade = std::pow(10.0, exponent);
        for (double mantissa : kRoundMantissas) {
            const double step = mantissa * decade;
            if (marksWithin(from, to, step) > most)
                continue;
            ticks.step = step;
            ticks.decimals = std::max(0, -exponent);
            for (double k = std::ceil(from / step - kEdgeSlack);
                 k <= std::floor(to / step + kEdgeSlack); ++k)
                ticks.values.push_back(k * step);
            return ticks;
        }
    }
}

} // namespace Optics
