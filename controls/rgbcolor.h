// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <cstdint>

// Colours travel through the program as packed 24-bit values,
// red + 256 * green + 65536 * blue, the way the optics code writes them.
using RgbValue = std::int32_t;

constexpr RgbValue RGB(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}

inline QColor toQColor(RgbValue value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline RgbValue fromQColor(const QColor& colour) {
    return RGB(colour.red(), colour.green(), colour.blue());
}
