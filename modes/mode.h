// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "actions.h"

class BenchView;

// What the bench does with what a user does. The window holds one current
// mode and hands it every press, drag and key of the drawing areas; entering a
// mode enables exactly the actions it allows, so an action that would make no
// sense (or give an answer away) is off by construction. A new way of working
// with the bench, such as a laboratory work, is a new mode.
class Mode {
public:
    explicit Mode(BenchView& view) : m_view(view) {}
    virtual ~Mode() = default;
    Mode(const Mode&) = delete;
    Mode& operator=(const Mode&) = delete;

    // The mode takes over the bench, or hands it back.
    virtual void enter() {}
    virtual void leave() {}

    // The drawing areas' input: presses, drags and keys in the left area,
    // presses in the right one. Coordinates are twips of that area.
    virtual void leftPress(int button, int shift, float x, float y) = 0;
    virtual void leftMove(int button, int shift, float x, float y) = 0;
    virtual void leftKey(int keyCode, int shift) = 0;
    virtual void rightPress(int button, int shift, float x, float y) = 0;
    // Drags and keys of the right area mean nothing unless a mode says so.
    virtual void rightMove(int, int, float, float) {}
    virtual void rightKey(int, int) {}
    // A double-click's second press in the right area: a press again unless a
    // mode says otherwise.
    virtual void rightDoubleClick(int button, int shift, float x, float y) {
        rightPress(button, shift, x, y);
    }

    // Whether an action acts in this mode.
    virtual bool allows(Action action) const = 0;
    // What Esc means here: true when the mode took it.
    virtual bool escape() { return false; }
    // What "Записать" means here: true when the mode took it, else the table
    // of measurements records the bench.
    virtual bool record() { return false; }

    // The scheme view's construction, drawn on wiped areas, and what follows a
    // redraw of the bench.
    virtual void drawConstruction() = 0;
    virtual void afterRedraw() {}
    // Whether the read-outs show the lens's focal length and power: not while
    // they are what the pupils measure.
    virtual bool showsLens() const { return true; }
    // Whether the lesson's layers (the names of the points) go on the bench:
    // not where they would name the foci the pupils are to find.
    virtual bool showsLayers() const { return true; }
    // Whether the image's read-outs are the single lens's: not where the mode
    // forms an image of its own and writes them itself (ShowImageReadouts).
    virtual bool showsLensImage() const { return true; }

protected:
    // The bench the mode works, through its view.
    BenchView& view() const { return m_view; }
    // What every mode that holds the bench to itself still allows: leaving it,
    // help, the palette, the zoom and the screen, and the program's exit.
    static bool allowedInEveryMode(Action action) {
        switch (action) {
        case Action::Leave:
        case Action::Help:
        case Action::Palette:
        case Action::ZoomIn:
        case Action::ZoomOut:
        case Action::ZoomFit:
        case Action::FullScreen:
        case Action::Exit:
            return true;
        default:
            return false;
        }
    }

private:
    BenchView& m_view;
};
