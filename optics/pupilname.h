// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// The one rule for a pupil's name in a results file, for the desktop and the
// browser page alike. A name is read back on a teacher's screen and compared
// with other names, so nothing in it may hide: no control characters, no line
// or paragraph separators, no invisible format characters (a soft hyphen,
// direction marks, a zero-width space) that would make two names look alike
// or break a line. The zero-width joiner alone is allowed, between two visible
// characters, as in an emoji made of several.
namespace PupilName {

// Characters (code points, not bytes or UTF-16 units) in a name.
constexpr int kLongest = 200;

enum class Problem {
    None,
    TooLong,   // more than kLongest characters
    Invisible, // a control or invisible character, or bytes that are no UTF-8 text
};

Problem problem(std::string_view utf8);

} // namespace PupilName
