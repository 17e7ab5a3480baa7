// SPDX-License-Identifier: GPL-3.0-or-later
#include "objectmotion.h"

#include "bench.h"

#include <algorithm>
#include <cmath>

namespace Motion {

namespace {
// The turning points: 150 twips inside the left edge, half a centimetre
// before the lens plane.
constexpr double kLeftMargin = 150;
constexpr double kNearestDistance = Bench::kTwipsPerCm / 2;
constexpr double kPauseSeconds = 1.2;
// A mark closer than this to where the object is counts as reached.
constexpr double kReached = 1e-9;
} // namespace

Path benchPath(double frontFocal, double speedCm) {
    Path path;
    path.leftX = kLeftMargin;
    path.nearX = Bench::kLensX - kNearestDistance;
    path.speed = speedCm * Bench::kTwipsPerCm;
    path.pause = kPauseSeconds;
    if (frontFocal > 0 && std::isfinite(frontFocal)) {
        for (double distance : {frontFocal, 2 * frontFocal}) {
            const double x = Bench::kLensX - distance;
            if (x > path.leftX && x < path.nearX)
                path.marks.push_back(x);
        }
    }
    return path;
}

State start(const Path& path) {
    State state;
    state.x = path.leftX;
    return state;
}

State advance(const Path& path, State state, double seconds) {
    if (!(path.speed > 0) || !(seconds > 0) || !(path.nearX > path.leftX))
        return state;
    while (seconds > 0) {
        if (state.pauseLeft > 0) {
            const double held = std::min(state.pauseLeft, seconds);
            state.pauseLeft -= held;
            seconds -= held;
            continue;
        }
        // The next stop ahead: a mark not just halted at, or the end.
        double stop = state.direction > 0 ? path.nearX : path.leftX;
        bool atMark = false;
        for (double mark : path.marks) {
            const double ahead = (mark - state.x) * state.direction;
            const double toStop = (stop - state.x) * state.direction;
            if (mark != state.heldAt && ahead > -kReached && ahead < toStop) {
                stop = mark;
                atMark = true;
            }
        }
        const double distance = std::fabs(stop - state.x);
        const double reach = path.speed * seconds;
        if (reach < distance) {
            state.x += state.direction * reach;
            return state;
        }
        state.x = stop;
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
