// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// Every colour of the graph window, in one place: the classic set and one told
// apart with a colour-vision deficiency (the Okabe-Ito colours), switched with
// the bench's palette.
struct GraphColours {
    QColor imageCurve;         // b(d)
    QColor magnificationCurve; // Γ(d)
    QColor asymptote;
    QColor object;   // the point of the object now on the bench
    QColor recorded; // the rows of the table
    // The regions of object distance, lightly tinted: beyond 2F, between F
    // and 2F, inside F; a diverging lens has one region.
    QColor regions[4];

    static const GraphColours& classic() {
        static const GraphColours colours{QColor(0, 0, 192), // the blue of the lens symbol
                                          QColor(160, 0, 120),
                                          QColor(96, 96, 96),
                                          QColor(230, 90, 0),
                                          QColor(0, 140, 60),
                                          {QColor(210, 230, 255, 110), QColor(255, 235, 200, 110),
                                           QColor(225, 245, 215, 110), QColor(235, 225, 250, 110)}};
        return colours;
    }
    static const GraphColours& safe() {
        static const GraphColours colours{QColor(0, 114, 178),   // blue
                                          QColor(204, 121, 167), // reddish purple
                                          QColor(0, 0, 0),
                                          QColor(213, 94, 0),  // vermillion
                                          QColor(0, 158, 115), // bluish green
                                          {QColor(86, 180, 233, 70), QColor(240, 228, 66, 90),
                                           QColor(0, 158, 115, 50), QColor(204, 121, 167, 60)}};
        return colours;
    }
};
