// SPDX-License-Identifier: GPL-3.0-or-later
// The layers of the textbook figure, switched on for a lesson: the names of
// the points with the object and image drawn as arrows, the third ray, and a
// palette told apart with a colour-vision deficiency. Each switch is a change
// of the bench and ends in RedrawScheme.
#include "form1.h"

#include "commandbutton.h"
#include "figurenames.h"
#include "mode.h"
#include "picturebox.h"

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
        placed = placeFigureNames(this, *this, CurrentNotation(), picLeft->figures(),
                                  picRigth->figures(), false);
    picLeft->SetTextMarks(placed.left);
    picRigth->SetTextMarks(placed.right);
}
