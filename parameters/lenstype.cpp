// SPDX-License-Identifier: GPL-3.0-or-later
// Lens type and the drawing of its two surfaces.
//
// The lens is drawn from two boxes, each holding an oval that it clips to half
// an ellipse. Side by side at the lens plane they show a biconvex lens when the
// ovals carry the lens colour and the boxes the media, and a biconcave one when
// the boxes trade places and colours: then each medium bulges into the lens.
#include "form1.h"

#include "bench.h"
#include "picturebox.h"
#include "shape.h"
#include "slider.h"

void Form1::cmdSob_Click() {
    IsConverging = kTrue;
    ConvergingChosen = kTrue;
    // The arrowheads follow the power, which ShapeLens computes.
    ShapeLens();
    RedrawScheme();
}

void Form1::cmdRas_Click() {
    IsConverging = kFalse;
    ConvergingChosen = kFalse;
    ShapeLens();
    RedrawScheme();
}

void Form1::ShapeLens() {
    // The layout follows the type chosen; the marks' colours and the arrowheads
    // follow the power, which ComputeFocalLengths finds at the end.
    if (ConvergingChosen) {
        picRsob->SetLeft(RightBoxX);
        picLSob->SetLeft(LeftBoxX);
        LSobBoxX = LeftBoxX;
        // Two convex caps of lens colour on the media.
        shpRsob->SetBackColor(LensColor);
        shpLsob->SetBackColor(LensColor);
        picRsob->SetBackColor(picRigth->BackColor());
        picLSob->SetBackColor(picLeft->BackColor());
        sldR1->SetTop(LeftRadiusRowTop);
        sldR2->SetTop(RightRadiusRowTop);
        // Biconvex: the left surface curves about a centre to its right, the
        // right surface about a centre to its left.
        R1Sign = +1;
        R2Sign = -1;
    } else {
        picRsob->SetLeft(LeftBoxX);
        picLSob->SetLeft(RightBoxX);
        LSobBoxX = RightBoxX;
        // Caps of the media bulging into a slab of lens colour.
        shpRsob->SetBackColor(picLeft->BackColor());
        shpLsob->SetBackColor(picRigth->BackColor());
        picRsob->SetBackColor(LensColor);
        picLSob->SetBackColor(LensColor);
        // The radius slider beside each label keeps reshaping the surface drawn
        // on that side, so the two sliders trade rows.
        sldR1->SetTop(RightRadiusRowTop);
        sldR2->SetTop(LeftRadiusRowTop);
        R1Sign = -1;
        R2Sign = +1;
    }
    // Undo any reshaping by the radius sliders.
    picRsob->SetWidth(705);
    shpRsob->SetWidth(1425);
    shpRsob->SetLeft(-720);
    picLSob->SetWidth(705);
    shpLsob->SetWidth(1425);
    shpLsob->SetLeft(0);
    sldR1->SetValue(0);
    sldR2->SetValue(0);
    R1 = R1Sign * Bench::radiusOf(sldR1->Value(), RadiusBase);
    R2 = R2Sign * Bench::radiusOf(sldR2->Value(), RadiusBase);
    ComputeFocalLengths();
}
