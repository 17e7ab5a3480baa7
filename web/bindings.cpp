// SPDX-License-Identifier: GPL-3.0-or-later
// The page's door into the lesson: plain C functions the page's script calls
// through the WebAssembly module, one page of state behind them. Texts go out
// as UTF-8 JSON that stays valid until the next call returning text.
#include "lessonpage.h"
#include "pupilname.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {
WebLesson::Page& page() {
    static WebLesson::Page thePage;
    return thePage;
}

const char* kept(std::string text) {
    static std::string last;
    last = std::move(text);
    return last.c_str();
}
} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void q_reset() {
    page() = WebLesson::Page();
}
EMSCRIPTEN_KEEPALIVE void q_setIndex(int which, double index) {
    page().setIndex(which, index);
}
EMSCRIPTEN_KEEPALIVE void q_setRadius(int which, double realCm) {
    page().setRadius(which, realCm);
}
EMSCRIPTEN_KEEPALIVE void q_setRadiusStep(int which, int step) {
    page().setRadiusStep(which, step);
}
EMSCRIPTEN_KEEPALIVE void q_setConverging(int converging) {
    page().setConverging(converging != 0);
}
EMSCRIPTEN_KEEPALIVE void q_setScheme(int scheme) {
    page().setScheme(scheme != 0);
}
EMSCRIPTEN_KEEPALIVE void q_place(double x, double y, double snapTwips) {
    page().place(x, y, snapTwips);
}
EMSCRIPTEN_KEEPALIVE void q_key(int code) {
    page().key(code);
}
EMSCRIPTEN_KEEPALIVE int q_setScale(int k) {
    return page().setScale(k) ? 1 : 0;
}
// A notation 0..2 chosen, or -1 to follow the language's.
EMSCRIPTEN_KEEPALIVE void q_setNotation(int notation) {
    if (notation >= 0 && notation < 3)
        page().setNotation(Optics::kNotations[notation]);
    else
        page().setNotation(std::nullopt);
}
EMSCRIPTEN_KEEPALIVE void q_setLanguageNotation(int notation) {
    if (notation >= 0 && notation < 3)
        page().setLanguageNotation(Optics::kNotations[notation]);
}
EMSCRIPTEN_KEEPALIVE const char* q_writeSetup() {
    return kept(page().setupText());
}
// A setup file opened from its bytes as they are (at most one past the
// largest a setup may be) and the file's whole size: "" when it opened, else
// its problem as JSON, as the desktop finds it in the same bytes.
EMSCRIPTEN_KEEPALIVE const char* q_readSetup(const char* bytes, int length, double size) {
    SetupFormat::Failure failure =
        page().openSetup(std::string_view(bytes, std::size_t(std::max(length, 0))));
    if (failure.problem == SetupFormat::Problem::None)
        return kept("");
    if (failure.problem == SetupFormat::Problem::TooLarge && size > double(failure.size))
        failure.size = std::size_t(size);
    return kept(WebLesson::refusal(failure));
}
EMSCRIPTEN_KEEPALIVE void q_setLayer(int layer, int on) {
    if (layer >= 0 && layer < 3)
        page().setLayer(WebLesson::Layer(layer), on != 0);
}
EMSCRIPTEN_KEEPALIVE const char* q_view() {
    return kept(page().view());
}
// The seed as decimal text: a series number may exceed what a double holds.
// A name the results file would refuse starts nothing.
EMSCRIPTEN_KEEPALIVE int q_startTasks(const char* seed, int level, const char* name) {
    char* end = nullptr;
    const unsigned long long value = std::strtoull(seed, &end, 10);
    if (!*seed || *end || level < 0 || level > 2 ||
        PupilName::problem(name) != PupilName::Problem::None)
        return 0;
    page().startTasks(value, Tasks::Level(level), name);
    return 1;
}
EMSCRIPTEN_KEEPALIVE int q_answer(double x, double y, double seconds) {
    return page().answer(x, y, seconds) ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE int q_nextTask() {
    return page().nextTask() ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE void q_stopTasks() {
    page().stopTasks();
}
// Why a pupil's name cannot stand in a results file: 0 it can, 1 too long,
// 2 a control or invisible character (PupilName::Problem).
EMSCRIPTEN_KEEPALIVE int q_nameProblem(const char* name) {
    return int(PupilName::problem(name));
}
EMSCRIPTEN_KEEPALIVE const char* q_frame() {
    return kept(WebLesson::frame());
}
EMSCRIPTEN_KEEPALIVE const char* q_results() {
    return kept(page().resultsFile());
}
}
