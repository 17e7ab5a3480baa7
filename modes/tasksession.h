// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "benchsnapshot.h"
#include "task.h"

#include <cstdint>
#include <vector>

// The state of the task mode: the series being worked, the score, the last
// answer, and the bench as it was before, to be put back on leaving.
struct TaskSession {
    bool active = false;
    std::uint64_t seed = 0;
    Tasks::Level level = Tasks::Level::EqualMedia;
    std::vector<Tasks::Task> tasks;
    int index = 0;   // the task shown
    int counted = 0; // tasks answered within the tolerance
    bool checked = false;
    Tasks::Verdict verdict;
    double clickX = 0; // the pupil's point, bench twips
    double clickY = 0;
    // The bench before the task mode.
    BenchSnapshot before;
    bool graphWasShown = false;
};
