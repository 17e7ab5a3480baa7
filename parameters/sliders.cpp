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
#include "benchgeometry.h"
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

// What every index setter ends with: the parameter, its read-out in the tint
// of what it is the index of, the focal lengths and the bench anew.
void takeIndex(Form1& w, double& parameter, Label* readout, RgbValue tint, double index) {
    parameter = index;
    readout->SetCaption(readoutText(index));
    readout->SetBackColor(tint);
    w.ComputeFocalLengths();
    w.RedrawScheme();
}

// A medium beside the lens: its slider, tint, area, the two arrowhead boxes
// over it, the lens piece that shows it (in the biconvex layout, or in the
// biconcave one), its index and read-out.
struct Medium {
    Slider* slider;
    std::int32_t& level;
    std::int32_t& colour;
    PictureBox* area;
    PictureBox* upperArrowhead;
    PictureBox* lowerArrowhead;
    PictureBox* convexPiece;
    Shape* concavePiece;
    double& index;
    Label* readout;
};

void setMedium(Form1& w, const Medium& medium, double index) {
    medium.slider->SetValue(Bench::indexStepOf(index));
    medium.level = tintLevelOf(index);
    medium.colour = tintOf(medium.level);
    medium.area->SetBackColor(medium.colour);
    medium.upperArrowhead->SetBackColor(medium.colour);
    medium.lowerArrowhead->SetBackColor(medium.colour);
    if (w.ConvergingChosen)
        medium.convexPiece->SetBackColor(medium.area->BackColor());
    else
        medium.concavePiece->SetBackColor(medium.area->BackColor());
    takeIndex(w, medium.index, medium.readout, medium.colour, index);
}

// The caps of the biconvex lens: an oval 1425 twips wide, at 0 in its box on
// the left and -720 on the right; each step of a radius slider narrows it by
// 10 twips from either side.
constexpr float kCapWidth = 1425;
constexpr float kLeftCapLeft = 0;
constexpr float kRightCapLeft = -720;
constexpr float kCapStep = 10;

// A surface the radius slider reshapes: the slider, the cap it narrows, where
// that cap stands unnarrowed, the signed radius and its sign in this layout.
struct Surface {
    Slider* slider;
    Shape* cap;
    float capLeft;
    double& radius;
    std::int16_t sign;
};

// A larger radius draws a flatter cap: the oval narrows symmetrically about
// its centre, which stays where the layout put it.
void setSurface(Form1& w, const Surface& surface, double magnitude) {
    surface.slider->SetValue(
        std::clamp(Bench::radiusStepOf(magnitude, w.RadiusBase), 0, surface.slider->maximum()));
    const int step = surface.slider->Value();
    surface.cap->SetLeft(surface.capLeft + kCapStep * step);
    surface.cap->SetWidth(kCapWidth - 2 * kCapStep * step);
    surface.radius = surface.sign * magnitude;
    w.ComputeFocalLengths();
    w.RedrawScheme();
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
    setMedium(*this,
              {sldn1, LeftLevel, LeftColor, picLeft, picLup, picLdown, picLSob, shpRsob, n1, lbln1},
              index);
}

void Form1::sldn2_MouseMove(int button, int, float, float) {
    if (button == kLeftButtonAlone)
        sldn2_Change();
}

void Form1::sldn2_Change() {
    SetRightIndex(Bench::indexOf(sldn2->Value()));
}

void Form1::SetRightIndex(double index) {
    setMedium(
        *this,
        {sldn2, RightLevel, RightColor, picRigth, picRup, picRdown, picRsob, shpLsob, n2, lbln2},
        index);
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
    takeIndex(*this, N, lblN, LensColor, index);
}

void Form1::sldR1_MouseMove(int button, int, float, float) {
    if (button == kLeftButtonAlone)
        sldR1_Change();
}

void Form1::sldR1_Change() {
    SetUpperRadius(Bench::radiusOf(sldR1->Value(), RadiusBase));
}

// The radius magnitude of the upper slider's surface, in twips.
void Form1::SetUpperRadius(double magnitude) {
    setSurface(*this, {sldR1, shpLsob, kLeftCapLeft, R1, R1Sign}, magnitude);
}

void Form1::sldR2_MouseMove(int button, int, float, float) {
    if (button == kLeftButtonAlone)
        sldR2_Change();
}

void Form1::sldR2_Change() {
    SetLowerRadius(Bench::radiusOf(sldR2->Value(), RadiusBase));
}

void Form1::SetLowerRadius(double magnitude) {
    setSurface(*this, {sldR2, shpRsob, kRightCapLeft, R2, R2Sign}, magnitude);
}
