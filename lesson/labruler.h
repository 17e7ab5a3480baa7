// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "twipgeometry.h"

#include <QPixmap>
#include <QWidget>

// The ruler along the bench, below the lens: a tick every division, a longer
// one every half centimetre, and the distance from the lens in centimetres at
// every centimetre, so that d and f are read off it as in the laboratory.
class QPainter;

class LabRuler : public QWidget, public TwipGeometry {
public:
    // `lensX` is the lens plane in twips from the ruler's left end.
    LabRuler(QWidget* parent, double lensX);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void draw(QPainter& p);

    double m_lensX;
    // The ruler as last drawn: the bench repaints beneath it on every drag
    // event, and the ticks and numbers change only with the window's size.
    QPixmap m_drawn;
};
