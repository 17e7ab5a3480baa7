// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "task.h"

#include <cstdint>
#include <string>
#include <vector>

// What a pupil did with a series, kept answer by answer, and the same answers
// judged again: a task is wholly given by its series and level, so the true
// point, the distance, the verdict and the score follow from the click alone,
// and a record whose words say otherwise was changed after it was written.
// The true point is worked out, never taken from a record: a record that
// carried it would let a click be moved onto it unseen.
namespace Tasks {

struct Answer {
    std::string name; // the pupil, as typed (may be empty)
    std::uint64_t series = 0;
    Level level = Level::EqualMedia;
    int task = 0;           // from 0, within the series
    double clickZ = 0;      // the point clicked, cm: along the axis from the lens plane
    double clickHeight = 0; // and above the axis
    double trueZ = 0;       // the true point, cm, as judged (not kept in a results file)
    double trueHeight = 0;
    double offCm = 0;
    bool counted = false;
    int score = 0;      // counted answers of this run of the series in its file, this one with them
    double seconds = 0; // from the task shown to the click
};

// The answer to task `task` of a series, judged; `scoreBefore` counted before it.
Answer answered(const std::string& name, std::uint64_t series, Level level, int task, double clickZ,
                double clickHeight, double seconds, int scoreBefore);

// Where a recorded answer and its judging again part.
enum class Tampered { None, Distance, Verdict, Score };

// The answers as re-judged, in the order given: a run of a series is the
// answers of one name to one series and level, its tasks in rising order; a
// task no higher than the one before starts the run again.
struct Rejudged {
    Answer answer; // re-judged, its score counted anew
    Tampered tampered = Tampered::None;
    int run = 0; // the run it belongs to, numbered from 0 in the order runs begin
};
std::vector<Rejudged> rejudge(const std::vector<Answer>& recorded);

} // namespace Tasks
