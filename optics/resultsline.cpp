// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultsline.h"

#include <cstdio>
#include <iterator>

namespace Tasks {

namespace {
std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out + '"';
}

// Fixed decimals with a decimal point whatever the process's locale: a
// desktop started in Russian has printf write a decimal comma. printf groups
// no thousands here, so whatever stands between the digits is the mark.
std::string fixed(double value, int decimals) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string out;
    bool marked = false;
    for (const char* c = buffer; *c; ++c) {
        if ((*c >= '0' && *c <= '9') || *c == '-' || *c == 'n' || *c == 'a' || *c == 'i' ||
            *c == 'f')
            out += *c;
        else if (!marked)
            out += '.', marked = true;
    }
    return out;
}
} // namespace

std::string resultsHeader() {
    return "name,series,level,task,click_x,click_y,true_x,true_y,off_cm,counted,score,seconds\n";
}

std::string resultsLine(const Answer& a) {
    const int level = int(a.level);
    const std::string fields[] = {
        quoted(a.name),
        std::to_string(a.series),
        level >= 0 && level < int(std::size(kLevelKeys)) ? kLevelKeys[level] : "",
        std::to_string(a.task + 1),
        fixed(a.clickX, 1),
        fixed(a.clickY, 1),
        fixed(a.trueX, 1),
        fixed(a.trueY, 1),
        fixed(a.offCm, 2),
        a.counted ? "yes" : "no",
        std::to_string(a.score),
        fixed(a.seconds, 1)};
    std::string line = fields[0];
    for (std::size_t i = 1; i < std::size(fields); ++i)
        line += ',' + fields[i];
    return line + '\n';
}

std::string resultsText(const std::vector<Answer>& answers) {
    std::string out = resultsHeader();
    for (const Answer& answer : answers)
        out += resultsLine(answer);
    return out;
}

} // namespace Tasks
