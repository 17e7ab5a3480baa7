// SPDX-License-Identifier: GPL-3.0-or-later
#include "objectmotion.h"

#include <algorithm>
#include <cmath>

namespace Motion {

namespace {
constexpr double kPauseSeconds = 1.2;
// A mark closer than this to where the object is counts as reached.
constexpr double kReached = 1e-9;
} // namespace

Path pathBetween(double farZ, double nearZ, double frontFocal, double speedCm) {
    Path path;
    path.farZ = farZ;
    path.nearZ = nearZ;
    path.speed = speedCm;
    path.pause = kPauseSeconds;
    if (frontFocal > 0 && std::isfinite(frontFocal)) {
        for (double distance : {frontFocal, 2 * frontFocal}) {
            const double z = -distance;
            if (z > path.farZ && z < path.nearZ)
                path.marks.push_back(z);
        }
    }
    return path;
}

State start(const Path& path) {
    State state;
    state.z = path.farZ;
    return state;
}

State advance(const Path& path, State state, double seconds) {
    if (!(path.speed > 0) || !(seconds > 0) || !(path.nearZ > path.farZ))
        return state;
    while (seconds > 0) {
        if (state.pauseLeft > 0) {
            const double held = std::min(state.pauseLeft, seconds);
            state.pauseLeft -= held;
            seconds -= held;
            continue;
        }
        // The next stop ahead: a mark not just halted at, or the end.
        double stop = state.direction > 0 ? path.nearZ : path.farZ;
        bool atMark = false;
        for (double mark : path.marks) {
            const double ahead = (mark - state.z) * state.direction;
            const double toStop = (stop - state.z) * state.direction;
            if (mark != state.heldAt && ahead > -kReached && ahead < toStop) {
                stop = mark;
                atMark = true;
            }
        }
        const double distance = std::fabs(stop - state.z);
        const double reach = path.speed * seconds;
        if (reach < distance) {
            state.z += state.direction * reach;
            return state;
        }
        state.z = stop;
        seconds -= distance / path.speed;
        if (atMark) {
            state.pauseLeft = path.pause;
            state.heldAt = stop;
        } else {
            state.direction = -state.direction;
            state.heldAt = -1;
        }
    }
    return state;
}

} // namespace Motion
