// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "benchstate.h"
#include "figure.h"
#include "notation.h"
#include "textmark.h"

#include <QVector>

class QWidget;

// The names of the textbook figure for a bench, placed as the window places
// them on its two areas (found by their names in `window`): clear of the
// figures given (the construction drawn, or one about to be drawn), of the
// parts the areas hold and the lens over them as they stand, at the size the
// names are measured at there. The marks' laid-out captions give way to the
// names. Nothing is shown or changed; a page draws the same names the screen
// would. With `ownLayout` the marks and the lens symbol stand as the scheme
// view of this bench would show them (a figure of another bench than the
// window's); else as the window shows them now. Without a window (or its
// areas) the names keep clear of the figures alone, at their estimated sizes.
struct FigureNames {
    QVector<TextMark> left;
    QVector<TextMark> right;
};
FigureNames placeFigureNames(const QWidget* window, const BenchState& bench,
                             Optics::Notation notation, const QVector<Figure>& left,
                             const QVector<Figure>& right, bool ownLayout);
