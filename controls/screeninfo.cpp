// SPDX-License-Identifier: GPL-3.0-or-later
#include "screeninfo.h"

#include <cmath>

namespace {
// Widgets keep int pixel geometry; a control further away than this is out of
// every screen and is hidden instead of being moved there.
constexpr double kFarAway = 1 << 20;
} // namespace

ScreenInfo::ScreenInfo(double logicalDpi)
    : m_pixelsPerTwip((logicalDpi > 0 && std::isfinite(logicalDpi) ? logicalDpi : 96.0) / 1440.0) {}

bool ScreenInfo::toPixelRect(double left, double top, double width, double height,
                             QRect* out) const {
    const double x0 = std::round(toPixels(left));
    const double y0 = std::round(toPixels(top));
    const double x1 = std::round(toPixels(left + width));
    const double y1 = std::round(toPixels(top + height));
    for (double v : {x0, y0, x1, y1}) {
        if (!std::isfinite(v) || std::fabs(v) > kFarAway)
            return false;
    }
    *out = QRect(int(x0), int(y0), std::max(0, int(x1 - x0)), std::max(0, int(y1 - y0)));
    return true;
}
