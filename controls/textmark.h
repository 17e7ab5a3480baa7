// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rgbcolor.h"

#include <QString>

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
};
