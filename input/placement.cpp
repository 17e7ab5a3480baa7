// SPDX-License-Identifier: GPL-3.0-or-later
// Placing the object point with the mouse and the keyboard.
#include "form1.h"

#include "bench.h"
#include "benchgeometry.h"
#include "benchlens.h"
#include "inputcodes.h"
#include "lens.h"
#include "picturebox.h"
#include "screeninfo.h"

namespace {
using InputCodes::kKeyDown;
using InputCodes::kKeyLeft;
using InputCodes::kKeyRight;
using InputCodes::kKeyUp;

// The arrow keys' step and where they find a point never placed (bench.h).
using Bench::kFirstKeyX;
using Bench::kFirstKeyY;
using Bench::kKeyStep;

// Keys 1 to 5 set the standard cases.
constexpr int kKeyFirstCase = InputCodes::kKeyDigitOne;
constexpr int kCases = 5;

// The shift state of Shift held, and of Ctrl (whose digits are shortcuts).
constexpr int kShiftHeld = 1;
constexpr int kCtrlHeld = 2;

// The object point snaps to the axis and the marks within this many pixels on
// screen, whatever the zoom.
constexpr double kSnapPixels = 4;
} // namespace

void Form1::picLeft_MouseDown(int button, int shift, float x, float y) {
    // A press of the left button alone is the first point of a drag: it places
    // the point there.
    if (button == 1) {
        picLeft_MouseMove(button, shift, x, y);
        return;
    }
    // The right button wipes the construction; the point stays where it is and
    // the construction comes back with the next redraw.
    if (button != 2)
        return;
    WipeAreas();
    ShowReadouts();
}

void Form1::picLeft_MouseMove(int button, int shift, float x, float y) {
    // Only a drag with the left button alone places the point. The position is
    // taken as delivered, also outside the area: the construction decides what
    // it can draw for it. Near the axis or the F and 2F marks of the object's
    // side it snaps onto them, so the standard cases can be set exactly; Shift
    // held drags freely.
    if (button != 1)
        return;
    double snappedX = x;
    double snappedY = y;
    if (!(shift & kShiftHeld))
        Optics::snapObject(Optics::lensOf(*this), ScreenInfo::of(picLeft).toTwips(kSnapPixels),
                           &snappedX, &snappedY);
    ObjectX = float(snappedX);
    ObjectY = float(snappedY);
    ObjectPlaced = kTrue;
    // A drag wipes both areas in either view; the scheme view draws anew.
    if (!SchemeView)
        WipeAreas();
    RedrawScheme();
}

void Form1::picLeft_KeyDown(int keyCode, int shift) {
    if (!SchemeView)
        return;
    // Keys 1 to 5: the object 3, 2, 1.5, 1 and 0.5 times the object-side focal
    // distance before the lens, exactly as the model has it.
    double caseX = 0;
    double caseY = 0;
    if (!(shift & kCtrlHeld) && keyCode >= kKeyFirstCase && keyCode < kKeyFirstCase + kCases &&
        Optics::standardCase(Optics::lensOf(*this), keyCode - kKeyFirstCase + 1, &caseX, &caseY)) {
        ObjectX = float(caseX);
        ObjectY = float(caseY);
        ObjectPlaced = kTrue;
        RedrawScheme();
        return;
    }
    const bool arrow =
        keyCode == kKeyLeft || keyCode == kKeyRight || keyCode == kKeyDown || keyCode == kKeyUp;
    if (arrow && !ObjectPlaced) {
        ObjectX = kFirstKeyX;
        ObjectY = kFirstKeyY;
        ObjectPlaced = kTrue;
    }
    if (keyCode == kKeyLeft)
        ObjectX = ObjectX - kKeyStep;
    if (keyCode == kKeyRight)
        ObjectX = ObjectX + kKeyStep;
    if (keyCode == kKeyDown)
        ObjectY = ObjectY + kKeyStep;
    if (keyCode == kKeyUp)
        ObjectY = ObjectY - kKeyStep;
    // Every key redraws, an arrow key or not.
    RedrawScheme();
}
