// SPDX-License-Identifier: GPL-3.0-or-later
// Placing the object point with the mouse and the keyboard.
#include "form1.h"

#include "picturebox.h"

namespace {
// Key codes of the arrow keys.
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;

// One press of an arrow key moves the object point this many twips.
constexpr int kKeyStep = 50;

// Where the arrow keys find the point before it was ever placed: in the middle
// of the left area, 1000 twips above the axis. At the start values that object
// lies beyond 2F and its real, smaller, inverted image shows on the right.
constexpr float kFirstKeyX = 3750;
constexpr float kFirstKeyY = 2990;
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

void Form1::picLeft_MouseMove(int button, int, float x, float y) {
    // Only a drag with the left button alone places the point. The position is
    // taken as delivered, also outside the area: the construction decides what
    // it can draw for it.
    if (button != 1)
        return;
    ObjectX = x;
    ObjectY = y;
    ObjectPlaced = kTrue;
    // A drag wipes both areas in either view; the scheme view draws anew.
    if (!SchemeView)
        WipeAreas();
    RedrawScheme();
}

void Form1::picLeft_KeyDown(int keyCode, int) {
    if (!SchemeView)
        return;
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
