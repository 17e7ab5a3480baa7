// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// The object point moving along a line parallel to the axis: from a far
// point before the lens towards it and back, at a steady speed, halting a
// moment at each mark it passes (2F, F) so that a class sees the image change
// there. Plain data and one step function, driven by the time between frames.
namespace Motion {

// Places are z along the axis in centimetres, the lens at z = 0, the object
// before it (z < 0).
struct Path {
    double farZ = 0;           // the turning point farthest from the lens
    double nearZ = 0;          // the turning point nearest the lens
    double speed = 0;          // centimetres per second
    double pause = 0;          // seconds held at each mark
    std::vector<double> marks; // z of the marks to halt at, any order
};

struct State {
    double z = 0;
    int direction = 1;    // +1 towards the lens, -1 back
    double pauseLeft = 0; // seconds still to hold
    double heldAt = -1;   // the mark last halted at, not halted at again at once
};

// The path between `farZ` and `nearZ` (farZ < nearZ < 0), halting at the
// marks 2F and F of the front focal length (cm, signed; a diverging lens has no
// real marks before it and none are halted at) that lie between them, at
// `speedCm` centimetres per second.
Path pathBetween(double farZ, double nearZ, double frontFocal, double speedCm);

// The state at the start: at the far end, heading for the lens.
State start(const Path& path);

// Where the object is `seconds` later. It never overshoots a mark it reaches:
// it stops on it, holds for the pause, then goes on; at either end it turns.
State advance(const Path& path, State state, double seconds);

} // namespace Motion
