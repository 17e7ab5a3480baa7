// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "twipgeometry.h"

#include <QWidget>

// The ruler along the bench, below the lens: a tick every division, a longer
// one every half centimetre, and the distance from the lens in centimetres at
// every centimetre, so that d and f are read off it as in the laboratory.
class LabRuler : public QWidget, public TwipGeometry {
public:
    // `lensX` is the lens plane in twips from the ruler's left end.
    LabRuler(QWidget* parent, double lensX);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_lensX;
};
