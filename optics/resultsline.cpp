// SPDX-License-Identifier: GPL-3.0-or-later
#include "resultsline.h"

#include <cstdio>
#include <cstring>
#include <iterator>

namespace Tasks {

namespace {
// A name as the spreadsheet is to show it: never as a formula.
std::string asText(const std::string& name) {
    if (!name.empty() && (std::strchr(kFormulaStarts, name.front()) || name.front() == kTextMark))
        return kTextMark + name;
    return name;
}

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

namespace {
constexpr double kColumnsPerCm = 567;
constexpr double kLensColumn = 7500;
constexpr double kAxisColumn = 3990;
} // namespace

ClickColumns clickColumns(double z, double height) {
    return {kLensColumn + z * kColumnsPerCm, kAxisColumn - height * kColumnsPerCm};
}

ClickPoint clickPoint(const ClickColumns& columns) {
    return {(columns.x - kLensColumn) / kColumnsPerCm, (kAxisColumn - columns.y) / kColumnsPerCm};
}

std::string resultsHeader() {
    return std::string(kResultsHeader) + '\n';
}

std::string resultsLine(const Answer& a) {
    const int level = int(a.level);
    const ClickColumns click = clickColumns(a.clickZ, a.clickHeight);
    const std::string fields[] = {
        quoted(asText(a.name)),
        std::to_string(a.series),
        level >= 0 && level < int(std::size(kLevelKeys)) ? kLevelKeys[level] : "",
        std::to_string(a.task + 1),
        fixed(click.x, 1),
        fixed(click.y, 1),
        fixed(a.offCm, 2),
        a.counted ? "yes" : "no",
        std::to_string(a.score),
        fixed(a.seconds, 1)};
    std::string line = fields[0];
    for (std::size_t i = 1; i < std::size(fields); ++i)
        line += ',' + fields[i];
    return line + '\n';
}

void scoreAsJudged(std::vector<Answer>& answers, std::size_t from) {
    const std::vector<Rejudged> judged = rejudge(answers);
    for (std::size_t i = from; i < answers.size(); ++i)
        answers[i].score = judged[i].answer.score;
}

std::string resultsText(const std::vector<Answer>& answers) {
    std::vector<Answer> scored = answers;
    scoreAsJudged(scored);
    std::string out = resultsHeader();
    for (const Answer& answer : scored)
        out += resultsLine(answer);
    return out;
}

} // namespace Tasks
