// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rgbcolor.h"

#include <QFont>
#include <QSizeF>
#include <QString>

class QWidget;

// A text painted on a picture area above its figures: a name on the drawing.
// Its place is in twips of the area; `anchor` says which corner of the text's
// box stands there. The size is in points at the laid-out size and scales with
// the window.
struct TextMark {
    enum class Anchor { TopLeft, TopRight, BottomLeft, BottomRight };

    QString text;
    float x = 0;
    float y = 0;
    Anchor anchor = Anchor::TopLeft;
    RgbValue colour = 0;
    double points = 12;
    bool bold = false;

    bool operator==(const TextMark&) const = default;

    // The font it is painted in at a window's zoom.
    QFont font(double zoom) const;
    // Its box at the laid-out size, in twips: the advance and the ascent plus
    // descent of that font as painted on `area`.
    QSizeF measuredTwips(const QWidget* area) const;
};
