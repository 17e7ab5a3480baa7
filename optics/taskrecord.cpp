// SPDX-License-Identifier: GPL-3.0-or-later
#include "taskrecord.h"

#include <cmath>
#include <map>
#include <tuple>

namespace Tasks {

namespace {
// A recorded distance written to 0.01 cm is the same distance within this much.
constexpr double kCmWritten = 0.006;

bool near(double a, double b, double within) {
    return std::fabs(a - b) <= within;
}
} // namespace

Answer answered(const std::string& name, std::uint64_t series, Level level, int task, double clickZ,
                double clickHeight, double seconds, int scoreBefore) {
    Answer answer;
    answer.name = name;
    answer.series = series;
    answer.level = level;
    answer.task = task;
    answer.clickZ = clickZ;
    answer.clickHeight = clickHeight;
    answer.seconds = seconds;
    const std::vector<Task> tasks = Tasks::series(series, level, task + 1);
    const Verdict verdict = judge(tasks.back(), clickZ, clickHeight);
    answer.trueZ = verdict.trueZ;
    answer.trueHeight = verdict.trueHeight;
    answer.offCm = verdict.offCm;
    answer.counted = verdict.counted;
    answer.score = scoreBefore + (verdict.counted ? 1 : 0);
    return answer;
}

std::vector<Rejudged> rejudge(const std::vector<Answer>& recorded) {
    // The last task and the score of each run, by name, series and level.
    using Run = std::tuple<std::string, std::uint64_t, Level>;
    struct Progress {
        int task = -1;
        int score = 0;
        int run = -1;
    };
    std::map<Run, Progress> runs;
    std::vector<Rejudged> out;
    int begun = 0;
    for (const Answer& given : recorded) {
        Progress& run = runs[{given.name, given.series, given.level}];
        if (given.task <= run.task || run.run < 0)
            run = Progress{-1, 0, begun++};
        Rejudged again;
        again.answer = answered(given.name, given.series, given.level, given.task, given.clickZ,
                                given.clickHeight, given.seconds, run.score);
        again.run = run.run;
        run.task = given.task;
        run.score = again.answer.score;
        const Answer& truth = again.answer;
        if (!near(given.offCm, truth.offCm, kCmWritten))
            again.tampered = Tampered::Distance;
        else if (given.counted != truth.counted)
            again.tampered = Tampered::Verdict;
        else if (given.score != truth.score)
            again.tampered = Tampered::Score;
        out.push_back(again);
    }
    return out;
}

} // namespace Tasks
