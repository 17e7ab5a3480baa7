// SPDX-License-Identifier: GPL-3.0-or-later
// The five parameter sliders.
//
// Each acts on every change of its value, whatever made it (a drag, a click in
// the groove, a page or arrow key, the wheel), and on every move of a drag with
// the left button alone: it reads the slider, updates its parameter and what
// shows it, recomputes the focal lengths and marks and, in the scheme view,
// draws the construction again. The bench always matches the thumb.
#include "form1.h"

#include "bench.h"
#include "label.h"
#include "picturebox.h"
#include "readout.h"
#include "shape.h"
#include "slider.h"

#include <algorithm>
#include <cmath>

namespace {
// Button state of a move with the left button alone held.
constexpr int kLeftButtonAlone = 1;

// The deeper the index, the deeper the blue: white at index 1, RGB(155, 155,
// 255) at index 2.
RgbValue tintOf(int level) {
    return RGB(255 - level, 255 - level, 255);
}

// Two levels of blue a step of the slider, whatever value lies between steps.
int tintLevelOf(double index) {
    return int(std::lround((index - 1) * 2 * Bench::kIndexSteps));
}
} // namespace

void Form1::sldn1_MouseMove(int button, int, float, float) {
    if (button == kLeftButtonAlone)
        sldn1_Change();
}

void Form1::sldn1_Change() {
    SetLeftIndex(Bench::indexOf(sldn1->Value()));
}

// A value typed or read from a setup is taken exactly; the thumb goes to the
// nearest step without its handler, which would put the step's value back.
void Form1::SetLeftIndex(double index) {
    sldn1->SetValue(Bench::indexStepOf(index));
    LeftLevel = tintLevelOf(index);
    LeftColor = tintOf(LeftLevel);
    // The left medium and the two arrowheads that stand over it.
    picLeft->SetBackColor(LeftColor);
    picLup->SetBackColor(LeftColor);
    picLdown->SetBackColor(LeftColor);
    // The lens piece that shows the left medium in the current layout.
    if (ConvergingChosen)
        picLSob->SetBackColor(picLeft->BackColor());
    else
        shpRsob->SetBackColor(picLeft->BackColor());
    n1 = index;
    lbln1->SetCaption(readoutText(n1));
    lbln1->SetBackColor(LeftColor);
    ComputeFocalLengths();
    RedrawScheme();
}

void Form1::sldn2_MouseMove(int button, int, float, float) {
    if (button == kLeftButtonAlone)
        sldn2_Change();
}

void Form1::sldn2_Change() {
    SetRightIndex(Bench::indexOf(sldn2->Value()));
}

void Form1::SetRightIndex(double index) {
    sldn2->SetValue(Bench::indexStepOf(index));
    RightLevel = tintLevelOf(index);
    RightColor = tintOf(RightLevel);
    picRigth->SetBackColor(RightColor);
    picRup->SetBackColor(RightColor);
    picRdown->SetBackColor(RightColor);
    if (ConvergingChosen)
        picRsob->SetBackColor(picRigth->BackColor());
    else
        shpLsob->SetBackColor(picRigth->BackColor());
    n2 = index;
    lbln2->SetCaption(readoutText(n2));
    lbln2->SetBackColor(RightColor);
    ComputeFocalLengths();
    RedrawScheme();
}

void Form1::sldVexol_MouseMove(int button, int, float, float) {
    if (button == kLeftButtonAlone)
        sldVexol_Change();
}

void Form1::sldVexol_Change() {
    SetLensIndex(Bench::indexOf(sldVexol->Value()));
}

void Form1::SetLensIndex(double index) {
    sldVexol->SetValue(Bench::indexStepOf(index));
    LensColor = tintOf(tintLevelOf(index));
    // The lens body: the ovals of a biconvex lens, the boxes of a biconcave one.
    if (ConvergingChosen) {
        shpLsob->SetBackColor(LensColor);
        shpRsob->SetBackColor(LensColor);
    } else {
        picLSob->SetBackColor(LensColor);
        picRsob->SetBackColor(LensColor);
    }
    shpLsob->SetBorderColor(LensColor);
    shpRsob->SetBorderColor(LensColor);
    N = index;
    lblN->SetCaption(readoutText(N));
    lblN->SetBackColor(LensColor);
    ComputeFocalLengths();
    RedrawScheme();
}

// A larger radius draws a flatter cap: the oval narrows symmetrically about
// its centre, which stays where the layout put it.
void Form1::sldR1_MouseMove(int button, int, float, float) {
    if (button == kLeftButtonAlone)
        sldR1_Change();
}

void Form1::sldR1_Change() {
    SetUpperRadius(Bench::radiusOf(sldR1->Value(), RadiusBase));
}

// The radius magnitude of the upper slider's surface, in twips.
void Form1::SetUpperRadius(double magnitude) {
    sldR1->SetValue(std::clamp(Bench::radiusStepOf(magnitude, RadiusBase), 0, sldR1->maximum()));
    shpLsob->SetLeft(10 * sldR1->Value());
    shpLsob->SetWidth(1425 - 20 * sldR1->Value());
    R1 = R1Sign * magnitude;
    ComputeFocalLengths();
    RedrawScheme();
}

void Form1::sldR2_MouseMove(int button, int, float, float) {
    if (button == kLeftButtonAlone)
        sldR2_Change();
}

void Form1::sldR2_Change() {
    SetLowerRadius(Bench::radiusOf(sldR2->Value(), RadiusBase));
}

void Form1::SetLowerRadius(double magnitude) {
    sldR2->SetValue(std::clamp(Bench::radiusStepOf(magnitude, RadiusBase), 0, sldR2->maximum()));
    shpRsob->SetLeft(10 * sldR2->Value() - 720);
    shpRsob->SetWidth(1425 - 20 * sldR2->Value());
    R2 = R2Sign * magnitude;
    ComputeFocalLengths();
    RedrawScheme();
}
