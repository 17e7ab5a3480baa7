// SPDX-License-Identifier: GPL-3.0-or-later
// The layers of the textbook figure, switched on for a lesson: the names of
// the points with the object and image drawn as arrows, the third ray, and a
// palette told apart with a colour-vision deficiency. Each switch is a change
// of the bench and ends in RedrawScheme.
#include "form1.h"

#include "commandbutton.h"
#include "figurenames.h"
#include "label.h"
#include "mode.h"
#include "picturebox.h"
#include "shape.h"

namespace {
Flag toggled(Flag flag) {
    return flag ? kFalse : kTrue;
}
} // namespace

void Form1::cmdLabels_Click() {
    if (!Allows(Action::Labels))
        return;
    ShowLabels = toggled(ShowLabels);
    RedrawScheme();
}

void Form1::cmdThirdRay_Click() {
    if (!Allows(Action::ThirdRay))
        return;
    ShowThirdRay = toggled(ShowThirdRay);
    RedrawScheme();
}

void Form1::cmdPalette_Click() {
    SafePalette = toggled(SafePalette);
    // The marks take the palette's colours.
    ComputeFocalLengths();
    RedrawScheme();
}

void Form1::ShowLabelsLayer() {
    cmdLabels->setChecked(ShowLabels != kFalse);
    cmdThirdRay->setChecked(ShowThirdRay != kFalse);
    cmdPalette->setChecked(SafePalette != kFalse);
    // The laid-out captions of the marks give way to the layer's larger names.
    const bool names = ShowLabels && m_mode->showsLayers();
    ShowMarkCaptions(!names); // kept hidden when a zoom places them again

    FigureNames placed;
    if (names)
        placed = placeFigureNames(figureParts(), *this, CurrentNotation(), picLeft->figures(),
                                  picRigth->figures(), false);
    picLeft->SetTextMarks(placed.left);
    picRigth->SetTextMarks(placed.right);
}

// Handed over as they are: a drag places the names on every event.
FigureParts Form1::figureParts() const {
    FigureParts parts;
    parts.left = picLeft;
    parts.right = picRigth;
    parts.lensBody = Picture3;
    parts.lensSymbol = picVexol;
    parts.upperHeads[0] = picLup;
    parts.upperHeads[1] = picRup;
    parts.lowerHeads[0] = picLdown;
    parts.lowerHeads[1] = picRdown;
    const Shape* marks[] = {shpF1, shp2F1, shpF2, shp2F2};
    const Label* captions[] = {lblFleft, lbl2Fleft, lblFright, lbl2Fright};
    for (int i = 0; i < 4; ++i) {
        parts.marks[i] = marks[i];
        parts.captions[i] = captions[i];
    }
    return parts;
}
