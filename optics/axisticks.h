// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// Where a plot's axis is marked: on round values, a step of 1, 2 or 5 times a
// power of ten, as a pupil reads a ruler, and no more marks than the axis has
// room to label.
namespace Optics {

struct AxisTicks {
    double step = 0;
    std::vector<double> values; // within [from, to], ascending
    int decimals = 0;           // the digits after the decimal mark the step needs
};

// The finest round step that puts at most `most` marks within [from, to]
// (from < to, most >= 2); no marks for an empty or non-finite range.
AxisTicks roundTicks(double from, double to, int most);

} // namespace Optics
