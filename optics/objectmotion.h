// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// The object point moving along a line parallel to the axis: from the left
// edge of the bench towards the lens and back, at a steady speed, halting a
// moment at each mark it passes (2F, F) so that a class sees the image change
// there. Plain data and one step function, driven by the time between frames.
namespace Motion {

struct Path {
    double leftX = 0;          // the turning point at the left edge (picLeft x, twips)
    double nearX = 0;          // the turning point nearest the lens
    double speed = 0;          // twips per second
    double pause = 0;          // seconds held at each mark
    std::vector<double> marks; // x of the marks to halt at, any order
};

struct State {
    double x = 0;
    int direction = 1;    // +1 towards the lens, -1 back
    double pauseLeft = 0; // seconds still to hold
    double heldAt = -1;   // the mark last halted at, not halted at again at once
};

// The path for the bench as laid out: the left edge a little inside the area,
// the nearest point a little before the lens plane, the marks 2F and F of the
// front focal length (twips, signed; a diverging lens has no real marks before
// it and none are halted at), `speedCm` centimetres per second.
Path benchPath(double frontFocal, double speedCm);

// The state at the start: at the left edge, heading for the lens.
State start(const Path& path);

// Where the object is `seconds` later. It never overshoots a mark it reaches:
// it stops on it, holds for the pause, then goes on; at either end it turns.
State advance(const Path& path, State state, double seconds);

} // namespace Motion
