// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "taskrecord.h"

#include <string>
#include <vector>

// The lines of a results file as written, without Qt, so that the desktop and
// the browser page write the one format the desktop's check reads: CSV in
// UTF-8, a header line, one answer a line, the name quoted with its quotes
// doubled, the points to one decimal, the distance to a hundredth of a cm.
namespace Tasks {

std::string resultsHeader();
std::string resultsLine(const Answer& answer);
std::string resultsText(const std::vector<Answer>& answers);

} // namespace Tasks
