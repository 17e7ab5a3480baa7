// SPDX-License-Identifier: GPL-3.0-or-later
// Optical power of the thin lens between two media, its focal lengths, and the
// focal-point marks F and 2F on both sides of the lens.
#include "form1.h"

#include "bench.h"
#include "benchlayout.h"
#include "benchlens.h"
#include "benchoptics.h"
#include "label.h"
#include "lens.h"
#include "palette.h"
#include "shape.h"

double Form1::OpticalPower() const {
    return Optics::power(Optics::lensOf(*this));
}

void Form1::ComputeFocalLengths() {
    // Within an apply step the lengths are found once, at its end.
    if (m_applyDepth > 0 && !m_applyFlushing)
        return;
    const double P = OpticalPower();
    const Optics::FocalLengths focal = Bench::focalLengths(Optics::lensOf(*this));
    f1 = focal.front;
    f2 = focal.back;
    // The colour follows the sign of the power, not the threshold for none.
    const Palette::Construction& colours = Palette::of(*this);
    const bool converging = Optics::converges(P);
    const RgbValue markF = converging ? colours.convergingMark : colours.divergingMark;
    const RgbValue mark2F = converging ? colours.convergingMark2F : colours.divergingMark2F;
    for (Shape* mark : {shpF1, shpF2}) {
        mark->SetBackColor(markF);
        mark->SetBorderColor(markF);
    }
    for (Shape* mark : {shp2F1, shp2F2}) {
        mark->SetBackColor(mark2F);
        mark->SetBorderColor(mark2F);
    }
    IsConverging = converging ? kTrue : kFalse;
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
    const BenchLayout::MarkLefts at =
        BenchLayout::markLefts(f1, f2, shpF1->Width(), shpF2->Width());
    shpF1->SetLeft(at.f1);
    shpF2->SetLeft(at.f2);
    shp2F1->SetLeft(at.twoF1);
    shp2F2->SetLeft(at.twoF2);
    lblFleft->SetLeft(shpF1->Left());
    lbl2Fleft->SetLeft(shp2F1->Left());
    lblFright->SetLeft(shpF2->Left());
    lbl2Fright->SetLeft(shp2F2->Left());
}
