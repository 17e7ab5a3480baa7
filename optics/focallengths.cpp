// SPDX-License-Identifier: GPL-3.0-or-later
// Optical power of the thin lens between two media, its focal lengths, and the
// focal-point marks F and 2F on both sides of the lens.
#include "form1.h"

#include "bench.h"
#include "label.h"
#include "lens.h"
#include "shape.h"

namespace {
int signOf(double v) {
    return (v > 0) - (v < 0);
}
} // namespace

double Form1::OpticalPower() const {
    return Optics::power(Optics::lensOf(*this));
}

void Form1::ComputeFocalLengths() {
    const double P = OpticalPower();
    const Optics::FocalLengths focal = Optics::focalLengths(Optics::lensOf(*this));
    f1 = focal.front;
    f2 = focal.back;
    // The colour follows the sign of the power, not the threshold for none.
    if (!Optics::converges(P)) {
        shpF1->SetBackColor(255);
        shpF2->SetBackColor(255);
        shp2F1->SetBackColor(RGB(255, 128, 128));
        shp2F2->SetBackColor(RGB(255, 128, 128));
        shpF1->SetBorderColor(255);
        shpF2->SetBorderColor(255);
        shp2F1->SetBorderColor(RGB(255, 128, 128));
        shp2F2->SetBorderColor(RGB(255, 128, 128));
        IsConverging = kFalse;
    } else {
        shpF1->SetBackColor(0);
        shpF2->SetBackColor(0);
        shp2F1->SetBackColor(RGB(128, 128, 128));
        shp2F2->SetBackColor(RGB(128, 128, 128));
        shpF1->SetBorderColor(0);
        shpF2->SetBorderColor(0);
        shp2F1->SetBorderColor(RGB(128, 128, 128));
        shp2F2->SetBorderColor(RGB(128, 128, 128));
        IsConverging = kTrue;
    }
    // The lens symbol shows what the lens does, as the marks' colours do.
    if (SchemeView)
        PlaceArrowheads(IsConverging != kFalse);
    PlaceFocalMarks();
}

void Form1::PlaceFocalMarks() {
    // Distances are magnitudes. A converging lens brings parallel rays to a focus
    // f2 behind it and has its front focus f1 before it. A diverging lens sends
    // parallel rays on as if from a point |f2| before it, and its front focus lies
    // |f1| behind it; so its left marks stand at |f2|, its right ones at |f1|.
    // With equal media the two lengths are the same.
    const bool diverging = f1 < 0;
    const double a1 = diverging ? signOf(f2) * f2 : signOf(f1) * f1; // left of the lens
    const double a2 = diverging ? signOf(f1) * f1 : signOf(f2) * f2; // right of the lens
    shpF1->SetLeft(
        float((Bench::kLensX - double(shpF1->Width()) - a1) + double(shpF1->Width()) / 2));
    shpF2->SetLeft(float(a2 - double(shpF2->Width()) / 2));
    shp2F1->SetLeft(float(double(shpF1->Left()) - a1));
    shp2F2->SetLeft(float(double(shpF2->Left()) + a2));
    lblFleft->SetLeft(shpF1->Left());
    lbl2Fleft->SetLeft(shp2F1->Left());
    lblFright->SetLeft(shpF2->Left());
    lbl2Fright->SetLeft(shp2F2->Left());
}
