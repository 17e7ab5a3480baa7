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

namespace {
// Button state of a move with the left button alone held.
constexpr int kLeftButtonAlone = 1;

// The deeper the index, the deeper the blue: white at index 1, RGB(155, 155,
// 255) at index 2.
RgbValue tintOf(int level) {
    return RGB(255 - level, 255 - level, 255);
}
} // namespace

void Form1::sldn1_MouseMove(int button, int, float, float) {
    if (button == kLeftButtonAlone)
        sldn1_Change();
}

void Form1::sldn1_Change() {
    LeftLevel = 2 * sldn1->Value();
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
    n1 = Bench::indexOf(sldn1->Value());
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
    RightLevel = 2 * sldn2->Value();
    RightColor = tintOf(RightLevel);
    picRigth->SetBackColor(RightColor);
    picRup->SetBackColor(RightColor);
    picRdown->SetBackColor(RightColor);
    if (ConvergingChosen)
        picRsob->SetBackColor(picRigth->BackColor());
    else
        shpLsob->SetBackColor(picRigth->BackColor());
    n2 = Bench::indexOf(sldn2->Value());
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
    LensColor = tintOf(2 * sldVexol->Value());
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
    N = Bench::indexOf(sldVexol->Value());
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
    shpLsob->SetLeft(10 * sldR1->Value());
    shpLsob->SetWidth(1425 - 20 * sldR1->Value());
    R1 = R1Sign * Bench::radiusOf(sldR1->Value(), RadiusBase);
    ComputeFocalLengths();
    RedrawScheme();
}

void Form1::sldR2_MouseMove(int button, int, float, float) {
    if (button == kLeftButtonAlone)
        sldR2_Change();
}

void Form1::sldR2_Change() {
    shpRsob->SetLeft(10 * sldR2->Value() - 720);
    shpRsob->SetWidth(1425 - 20 * sldR2->Value());
    R2 = R2Sign * Bench::radiusOf(sldR2->Value(), RadiusBase);
    ComputeFocalLengths();
    RedrawScheme();
}
