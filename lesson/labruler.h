// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cachedsurface.h"

// The ruler along the bench, below the lens: a tick every division, a longer
// one every half centimetre, and the distance from the lens in centimetres at
// every centimetre, so that d and f are read off it as in the laboratory.
class LabRuler : public CachedSurface {
public:
    // `lensX` is the lens plane in twips from the ruler's left end.
    LabRuler(QWidget* parent, double lensX);

protected:
    // The ticks and numbers change only with the window's size.
    void draw(QPainter& p) override;

private:
    double m_lensX;
};
