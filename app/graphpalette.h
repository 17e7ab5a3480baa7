// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// Every colour of the graph window, in one place, so that a palette for the
// whole program can replace them together.
namespace GraphPalette {
inline QColor imageCurve() {
    return QColor(0, 0, 192); // b(d), the blue of the lens symbol
}
inline QColor magnificationCurve() {
    return QColor(160, 0, 120);
}
inline QColor asymptote() {
    return QColor(96, 96, 96);
}
inline QColor object() {
    return QColor(230, 90, 0); // the point of the object now on the bench
}
inline QColor recorded() {
    return QColor(0, 140, 60); // the rows of the table
}
// The regions of object distance, lightly tinted: beyond 2F, between F and
// 2F, inside F; a diverging lens has one region.
inline QColor regionFar() {
    return QColor(210, 230, 255, 110);
}
inline QColor regionMiddle() {
    return QColor(255, 235, 200, 110);
}
inline QColor regionNear() {
    return QColor(225, 245, 215, 110);
}
inline QColor regionDiverging() {
    return QColor(235, 225, 250, 110);
}
} // namespace GraphPalette
