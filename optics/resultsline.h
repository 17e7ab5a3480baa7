// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "taskrecord.h"

#include <cstddef>
#include <string>
#include <vector>

// The lines of a results file as written, without Qt, so that the desktop and
// the browser page write the one format the desktop's check reads: CSV in
// UTF-8, a header line, one answer a line, the name quoted with its quotes
// doubled, the click to one decimal, the distance to a hundredth of a cm. No
// true point is written: the check works it out from the series.
namespace Tasks {

inline constexpr const char* kResultsHeader =
    "name,series,level,task,click_x,click_y,off_cm,counted,score,seconds";
// What a spreadsheet takes as the start of a formula; a name starting so (or
// with the mark itself) is written after an apostrophe, shown as text.
inline constexpr const char* kFormulaStarts = "=+-@";
inline constexpr char kTextMark = '\'';

std::string resultsHeader();
std::string resultsLine(const Answer& answer);
// The whole file, the scores as the check counts them within each run.
std::string resultsText(const std::vector<Answer>& answers);

// The click as the file's columns click_x and click_y hold it. The columns
// keep the frame the format was first written in, so that every file written
// before reads and is judged again unchanged: 567 to a centimetre, click_x
// from a point 7500 before the lens plane, click_y downwards from a line 3990
// above the axis. Every reader and writer of the columns converts here.
struct ClickColumns {
    double x = 0;
    double y = 0;
};
ClickColumns clickColumns(double z, double height);
struct ClickPoint {
    double z = 0;      // cm from the lens plane along the axis
    double height = 0; // cm above the axis
};
ClickPoint clickPoint(const ClickColumns& columns);

// The scores of answers from `from` on as the check finds them.
void scoreAsJudged(std::vector<Answer>& answers, std::size_t from = 0);

} // namespace Tasks
