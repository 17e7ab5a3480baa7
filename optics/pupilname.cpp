// SPDX-License-Identifier: GPL-3.0-or-later
#include "pupilname.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

namespace PupilName {

namespace {
constexpr char32_t kJoiner = 0x200D;

struct Range {
    char32_t first, last;
};

// Unicode's format characters (general category Cf): invisible by design,
// they steer joining, direction and hyphenation, or tag text.
constexpr Range kFormat[] = {
    {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},
    {0x070F, 0x070F},   {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},
    {0x200B, 0x200F},   {0x202A, 0x202E},   {0x2060, 0x2064},   {0x2066, 0x206F},
    {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD},
    {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
    {0xE0020, 0xE007F},
};

// Spaces (category Zs): seen as a gap, so nothing for a joiner to join.
constexpr char32_t kSpaces[] = {0x0020, 0x00A0, 0x1680, 0x2000, 0x2001, 0x2002,
                                0x2003, 0x2004, 0x2005, 0x2006, 0x2007, 0x2008,
                                0x2009, 0x200A, 0x202F, 0x205F, 0x3000};

bool invisible(char32_t c) {
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) // control characters (Cc)
        return true;
    if (c == 0x2028 || c == 0x2029) // the line and paragraph separators (Zl, Zp)
        return true;
    return std::any_of(std::begin(kFormat), std::end(kFormat),
                       [c](const Range& r) { return c >= r.first && c <= r.last; });
}

bool visible(char32_t c) {
    return !invisible(c) &&
           std::find(std::begin(kSpaces), std::end(kSpaces), c) == std::end(kSpaces);
}

// The code points of well-formed UTF-8: no overlong forms, no surrogates,
// nothing beyond U+10FFFF, nothing cut off.
std::optional<std::vector<char32_t>> decoded(std::string_view text) {
    std::vector<char32_t> points;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        // The bytes that follow the lead byte: C0, C1 and F5 on lead nothing.
        const int more = lead < 0x80                   ? 0
                         : lead >= 0xC2 && lead < 0xE0 ? 1
                         : lead >= 0xE0 && lead < 0xF0 ? 2
                         : lead >= 0xF0 && lead < 0xF5 ? 3
                                                       : -1;
        if (more < 0 || i + more >= text.size())
            return std::nullopt;
        char32_t c = more == 0 ? lead : lead & (0x3F >> more);
        for (int k = 1; k <= more; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (c < kLeast[more] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return std::nullopt;
        points.push_back(c);
        i += more + 1;
    }
    return points;
}
} // namespace

Problem problem(std::string_view utf8) {
    const auto points = decoded(utf8);
    if (!points)
        return Problem::Invisible; // half a character: no text at all
    if (points->size() > std::size_t(kLongest))
        return Problem::TooLong;
    const std::vector<char32_t>& p = *points;
    for (std::size_t i = 0; i < p.size(); ++i) {
        if (!invisible(p[i]))
            continue;
        const bool joins =
            p[i] == kJoiner && i > 0 && i + 1 < p.size() && visible(p[i - 1]) && visible(p[i + 1]);
        if (!joins)
            return Problem::Invisible;
    }
    return Problem::None;
}

} // namespace PupilName
