// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "benchstate.h"
#include "figure.h"
#include "notation.h"
#include "textmark.h"

#include <QVector>

class PictureBox;
class QObject;
class QWidget;
class TwipGeometry;

// The names of the textbook figure for a bench, placed as the window places
// them on its two areas (the window's `parts`): clear of the
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

// The window's parts the names keep clear of or give way to: the two areas,
// the lens and its arrowheads that stand over them, the focal marks and their
// laid-out captions. The window hands over its own; a page finds them by name.
struct FigureParts {
    const PictureBox* left = nullptr;
    const PictureBox* right = nullptr;
    const TwipGeometry* lensBody = nullptr;   // Picture3, the lens drawn from its surfaces
    const TwipGeometry* lensSymbol = nullptr; // picVexol, the scheme view's line
    const TwipGeometry* upperHeads[2] = {};   // picLup, picRup
    const TwipGeometry* lowerHeads[2] = {};   // picLdown, picRdown
    const TwipGeometry* marks[4] = {};        // shpF1, shp2F1, shpF2, shp2F2
    const QObject* captions[4] = {};          // lblFleft, lbl2Fleft, lblFright, lbl2Fright

    // Found in `window` by their names; none without a window.
    static FigureParts of(const QWidget* window);
};

FigureNames placeFigureNames(const FigureParts& parts, const BenchState& bench,
                             Optics::Notation notation, const QVector<Figure>& left,
                             const QVector<Figure>& right, bool ownLayout);
