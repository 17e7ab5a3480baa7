// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphwindow.h"

#include <QString>

// The names the graph gives its plots and axes, in one place: the letters a
// textbook uses for the distances may change here alone.
namespace GraphTitles {
inline QString objectDistanceAxis() {
    return GraphWindow::tr("d, см");
}
inline QString imageDistanceAxis() {
    return GraphWindow::tr("b, см");
}
inline QString magnificationAxis() {
    return GraphWindow::tr("Γ");
}
inline QString imageDistancePlot() {
    return GraphWindow::tr("Расстояние до изображения b(d)");
}
inline QString magnificationPlot() {
    return GraphWindow::tr("Увеличение Γ(d)");
}
inline QString imageDistanceCurve() {
    return GraphWindow::tr("b(d)");
}
inline QString magnificationCurve() {
    return GraphWindow::tr("Γ(d)");
}
inline QString verticalAsymptote() {
    return GraphWindow::tr("d = f");
}
inline QString horizontalAsymptote() {
    return GraphWindow::tr("b = f′");
}
} // namespace GraphTitles
