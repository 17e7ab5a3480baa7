// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing a setup. The reader trusts nothing: the file may be
// empty, cut off, not JSON, of a newer version, hold values of the wrong type
// or out of range, or be kilobytes of something else. Each case ends in a
// problem, and no setup.
#include "setupformat.h"

#include "task.h"

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace SetupFormat {

namespace {

// ---- JSON, as much as a setup needs: the whole grammar, numbers as doubles ----

struct Value {
    enum class Type { Null, Bool, Number, String, Array, Object } type = Type::Null;
    bool boolean = false;
    double number = 0;
    std::string string;
    // An object's members in the file's order, names and values side by
    // side (a pair would need the value's type whole before it is).
    std::vector<std::string> keys;
    std::vector<Value> members;
    std::vector<Value> items;

    // A member by name, the last of that name; nullptr where there is none.
    const Value* member(const char* name) const {
        const Value* found = nullptr;
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (keys[i] == name)
                found = &members[i];
        return found;
    }
};

// A number in JSON's digits as the C library reads it, whatever decimal mark
// the process's locale gives strtod.
double numberOf(std::string text) {
    const char* mark = std::localeconv()->decimal_point;
    if (mark && std::strcmp(mark, ".") != 0) {
        const std::size_t at = text.find('.');
        if (at != std::string::npos)
            text.replace(at, 1, mark);
    }
    return std::strtod(text.c_str(), nullptr);
}

class Parser {
public:
    explicit Parser(std::string_view text) : m_text(text) {}

    bool document(Value* out) {
        space();
        if (!value(out, 0))
            return false;
        space();
        return m_at == m_text.size() || fail(Syntax::Trailing);
    }
    std::size_t offset() const { return m_at; }
    Syntax syntax() const { return m_syntax; }

private:
    static constexpr int kDeepest = 256;

    bool more() const { return m_at < m_text.size(); }
    char peek() const { return more() ? m_text[m_at] : '\0'; }
    void space() {
        while (more() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
            ++m_at;
    }
    // Whatever was wanted, a text that ends there was cut off.
    bool fail(Syntax why) {
        m_syntax = more() ? why : Syntax::Cut;
        return false;
    }
    bool word(std::string_view w) {
        const std::string_view rest = m_text.substr(m_at);
        if (rest.substr(0, w.size()) == w) {
            m_at += w.size();
            return true;
        }
        // "tru" at the end is "true" cut off.
        if (rest.size() < w.size() && w.substr(0, rest.size()) == rest)
            m_at = m_text.size();
        return fail(Syntax::BadValue);
    }

    bool value(Value* out, int depth) {
        if (depth > kDeepest)
            return fail(Syntax::TooDeep);
        switch (peek()) {
        case '{':
            return object(out, depth);
        case '[':
            return array(out, depth);
        case '"':
            out->type = Value::Type::String;
            return string(&out->string);
        case 't':
            out->type = Value::Type::Bool;
            out->boolean = true;
            return word("true");
        case 'f':
            out->type = Value::Type::Bool;
            return word("false");
        case 'n':
            return word("null");
        default:
            return number(out);
        }
    }

    bool object(Value* out, int depth) {
        out->type = Value::Type::Object;
        ++m_at;
        space();
        if (peek() == '}')
            return ++m_at, true;
        for (;;) {
            space();
            std::string key;
            if (peek() != '"')
                return fail(Syntax::NoName);
            if (!string(&key))
                return false;
            space();
            if (peek() != ':')
                return fail(Syntax::NoColon);
            ++m_at;
            space();
            Value member;
            if (!value(&member, depth + 1))
                return false;
            out->keys.push_back(std::move(key));
            out->members.push_back(std::move(member));
            space();
            if (peek() == ',') {
                ++m_at;
                continue;
            }
            if (peek() != '}')
                return fail(Syntax::NoSeparator);
            ++m_at;
            return true;
        }
    }

    bool array(Value* out, int depth) {
        out->type = Value::Type::Array;
        ++m_at;
        space();
        if (peek() == ']')
            return ++m_at, true;
        for (;;) {
            space();
            Value item;
            if (!value(&item, depth + 1))
                return false;
            out->items.push_back(std::move(item));
            space();
            if (peek() == ',') {
                ++m_at;
                continue;
            }
            if (peek() != ']')
                return fail(Syntax::NoSeparator);
            ++m_at;
            return true;
        }
    }

    static bool digit(char c) { return c >= '0' && c <= '9'; }

    bool number(Value* out) {
        const std::size_t start = m_at;
        if (peek() == '-')
            ++m_at;
        if (peek() == '0')
            ++m_at;
        else if (digit(peek()))
            while (digit(peek()))
                ++m_at;
        else
            return fail(Syntax::BadValue);
        if (peek() == '.') {
            ++m_at;
            if (!digit(peek()))
                return fail(Syntax::BadValue);
            while (digit(peek()))
                ++m_at;
        }
        if (peek() == 'e' || peek() == 'E') {
            ++m_at;
            if (peek() == '+' || peek() == '-')
                ++m_at;
            if (!digit(peek()))
                return fail(Syntax::BadValue);
            while (digit(peek()))
                ++m_at;
        }
        out->type = Value::Type::Number;
        out->number = numberOf(std::string(m_text.substr(start, m_at - start)));
        // 1e999 is JSON's grammar but no number a double holds.
        if (!std::isfinite(out->number)) {
            m_at = start;
            return fail(Syntax::BadValue);
        }
        return true;
    }

    static int hex(char c) {
        if (digit(c))
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }
    bool unit(unsigned* code) {
        if (m_at + 4 > m_text.size()) {
            m_at = m_text.size();
            return false;
        }
        *code = 0;
        for (int i = 0; i < 4; ++i) {
            const int h = hex(m_text[m_at++]);
            if (h < 0)
                return false;
            *code = *code * 16 + unsigned(h);
        }
        return true;
    }
    static void utf8(unsigned code, std::string* out) {
        if (code < 0x80) {
            *out += char(code);
        } else if (code < 0x800) {
            *out += char(0xC0 | (code >> 6));
            *out += char(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            *out += char(0xE0 | (code >> 12));
            *out += char(0x80 | ((code >> 6) & 0x3F));
            *out += char(0x80 | (code & 0x3F));
        } else {
            *out += char(0xF0 | (code >> 18));
            *out += char(0x80 | ((code >> 12) & 0x3F));
            *out += char(0x80 | ((code >> 6) & 0x3F));
            *out += char(0x80 | (code & 0x3F));
        }
    }

    // A string's text, its escapes undone; control characters and broken
    // escapes are not JSON.
    bool string(std::string* out) {
        ++m_at;
        while (more()) {
            const char c = m_text[m_at];
            if (static_cast<unsigned char>(c) < 0x20)
                return fail(Syntax::BadString);
            ++m_at;
            if (c == '"')
                return true;
            if (c != '\\') {
                *out += c;
                continue;
            }
            if (!more())
                return fail(Syntax::BadString);
            const char e = m_text[m_at++];
            switch (e) {
            case '"':
            case '\\':
            case '/':
                *out += e;
                break;
            case 'b':
                *out += '\b';
                break;
            case 'f':
                *out += '\f';
                break;
            case 'n':
                *out += '\n';
                break;
            case 'r':
                *out += '\r';
                break;
            case 't':
                *out += '\t';
                break;
            case 'u': {
                unsigned code = 0;
                if (!unit(&code))
                    return fail(Syntax::BadString);
                // A surrogate pair names one character beyond the first plane.
                if (code >= 0xD800 && code < 0xDC00) {
                    unsigned low = 0;
                    if (!word("\\u") || !unit(&low) || low < 0xDC00 || low >= 0xE000)
                        return fail(Syntax::BadString);
                    code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                } else if (code >= 0xDC00 && code < 0xE000) {
                    return fail(Syntax::BadString);
                }
                utf8(code, out);
                break;
            }
            default:
                return fail(Syntax::BadString);
            }
        }
        return fail(Syntax::BadString);
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    Syntax m_syntax = Syntax::None;
};

// ---- the setup's fields ----

const auto& kTaskLevels = Tasks::kLevelKeys;

// Where an object can stand, in real centimetres at the scale.
double nearestObject(Optics::Scale scale, const Ranges& ranges) {
    return scale.realOfBenchCm(ranges.nearestObject);
}
double farthestObject(Optics::Scale scale, const Ranges& ranges) {
    return scale.realOfBenchCm(ranges.farthestObject);
}
double highestObject(Optics::Scale scale, const Ranges& ranges) {
    return scale.realOfBenchCm(ranges.highestObject);
}
double lowestObject(Optics::Scale scale, const Ranges& ranges) {
    return scale.realOfBenchCm(ranges.lowestObject);
}

// Reads the members of one JSON object, remembering the first problem.
class Reader {
public:
    Failure failure;

    bool failed() const { return failure.problem != Problem::None; }
    void fail(Problem problem, const std::string& field = {}) {
        if (failed())
            return;
        failure.problem = problem;
        failure.field = field;
    }

    const Value* object(const Value& in, const char* name, const std::string& where) {
        const Value* value = in.member(name);
        if (failed())
            return &m_none;
        if (!value)
            fail(Problem::Missing, where);
        else if (value->type != Value::Type::Object)
            fail(Problem::NotObject, where);
        return failed() ? &m_none : value;
    }

    // A number within [least, greatest]. With `decimals` >= 0 the limits are
    // those the read-outs show at that precision: a value that shows within
    // them is taken (and kept to the exact range); otherwise they are exact.
    double number(const Value& in, const char* name, const std::string& where, double least,
                  double greatest, int decimals = kExact) {
        const Value* value = in.member(name);
        if (failed())
            return 0;
        if (!value) {
            fail(Problem::Missing, where);
            return 0;
        }
        if (value->type != Value::Type::Number) {
            fail(Problem::NotNumber, where);
            return 0;
        }
        // The value as the file will be written again, so that what is read
        // is what a save writes back; the limits rounded alike.
        const double x = shortest(value->number);
        const double low = shown(shortest(least), decimals);
        const double high = shown(shortest(greatest), decimals);
        if (!std::isfinite(x) || shown(x, decimals) < low || shown(x, decimals) > high) {
            fail(Problem::OutOfRange, where);
            failure.value = x;
            failure.least = low;
            failure.greatest = high;
            failure.decimals = decimals;
            return x;
        }
        if (decimals == kExact)
            return x;
        // Kept to the sliders' range, as the text a save writes: a limit's own
        // double has more digits than the file keeps.
        const double kept = std::clamp(x, least, greatest);
        const double written = shortest(kept);
        return written >= least && written <= greatest ? written : kept;
    }

    // One of two words.
    bool choice(const Value& in, const char* name, const char* yes, const char* no,
                const char* where = nullptr) {
        const Value* value = in.member(name);
        if (failed())
            return false;
        if (!where)
            where = name;
        if (!value) {
            fail(Problem::Missing, where);
            return false;
        }
        const bool isString = value->type == Value::Type::String;
        const std::string word = isString ? value->string : std::string();
        if (!isString || (word != yes && word != no)) {
            fail(Problem::NotChoice, where);
            failure.yes = yes;
            failure.no = no;
        }
        return word == yes;
    }

    bool flag(const Value& in, const char* name, const std::string& where) {
        const Value* value = in.member(name);
        if (failed() || !value)
            return false;
        if (value->type != Value::Type::Bool)
            fail(Problem::NotFlag, where);
        return value->boolean;
    }

private:
    // What a missing object reads as: an object with no members.
    static Value none() {
        Value v;
        v.type = Value::Type::Object;
        return v;
    }
    Value m_none = none();
};

// ---- writing: JSON indented by four spaces, keys in order ----

// A number as JSON has always been written here: a whole number below 2^53
// as its digits; any other in the shortest digits that read back as the same
// double, fixed or with an exponent, whichever is shorter ("1e-04", "14.5").
std::string withPoint(std::string text) {
    const char* mark = std::localeconv()->decimal_point;
    if (mark && std::strcmp(mark, ".") != 0) {
        const std::size_t at = text.find(mark);
        // Built anew rather than replaced in place: GCC 12 at -O3 warns falsely
        // (-Wrestrict) about the in-place replace.
        if (at != std::string::npos)
            text = text.substr(0, at) + '.' + text.substr(at + std::strlen(mark));
    }
    return text;
}

std::string numberText(double value) {
    if (!std::isfinite(value))
        return "null";
    char buffer[400] = "0";
    constexpr double kWholeBelow = 9007199254740992.0; // 2^53
    if (value == std::floor(value) && std::fabs(value) < kWholeBelow) {
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
        return buffer;
    }
    int digits = 1;
    for (; digits < 17; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
        if (std::strtod(buffer, nullptr) == value)
            break;
    }
    std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
    const std::string exponent = withPoint(buffer);
    // The same digits written out in full: "d.ddde±pp" as a fixed number.
    const std::size_t e = exponent.find('e');
    const bool negative = exponent[0] == '-';
    std::string figures;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i)
        if (exponent[i] != '.')
            figures += exponent[i];
    const int power = std::atoi(exponent.c_str() + e + 1);
    const int count = int(figures.size());
    std::string fixed;
    if (power >= count - 1)
        fixed = figures + std::string(std::size_t(power - (count - 1)), '0');
    else if (power >= 0)
        fixed = figures.substr(0, std::size_t(power + 1)) + "." +
                figures.substr(std::size_t(power + 1));
    else
        fixed = "0." + std::string(std::size_t(-power - 1), '0') + figures;
    if (negative)
        fixed = "-" + fixed;
    return exponent.size() < fixed.size() ? exponent : fixed;
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + '"';
}

// An object's members by key, each already written as JSON at its depth.
using Members = std::map<std::string, std::string>;

std::string objectText(const Members& members, int depth) {
    const std::string inner(std::size_t(4 * (depth + 1)), ' ');
    std::string out = "{\n";
    std::size_t left = members.size();
    for (const auto& [key, value] : members)
        out += inner + quoted(key) + ": " + value + (--left ? ",\n" : "\n");
    return out + std::string(std::size_t(4 * depth), ' ') + "}";
}

} // namespace

double shortest(double value) {
    constexpr int kDecimalDigits = 15;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", kDecimalDigits, value);
    return std::strtod(buffer, nullptr);
}

std::string statedNumber(double value, int decimals) {
    char text[400];
    if (decimals < 0)
        std::snprintf(text, sizeof text, "%.15g", value);
    else
        std::snprintf(text, sizeof text, "%.*f", std::min(decimals, 20), value);
    return withPoint(text);
}

double shown(double value, int decimals) {
    if (decimals < 0 || !std::isfinite(value))
        return value;
    const double unit = std::pow(10.0, decimals);
    return std::round(value * unit) / unit;
}

bool objectInArea(double distance, double height, Optics::Scale scale, const Ranges& ranges) {
    return std::isfinite(distance) && std::isfinite(height) &&
           distance >= nearestObject(scale, ranges) && distance <= farthestObject(scale, ranges) &&
           height >= lowestObject(scale, ranges) && height <= highestObject(scale, ranges);
}

double leastRadius(Optics::Scale scale, const Ranges& ranges) {
    return scale.realOfBenchCm(ranges.leastRadius);
}
double greatestRadius(Optics::Scale scale, const Ranges& ranges) {
    return scale.realOfBenchCm(ranges.greatestRadius);
}
double statedLeastRadius(Optics::Scale scale, const Ranges& ranges) {
    return shown(leastRadius(scale, ranges), kRadiusDecimals);
}
double statedGreatestRadius(Optics::Scale scale, const Ranges& ranges) {
    return shown(greatestRadius(scale, ranges), kRadiusDecimals);
}

bool takeRadius(double cm, Optics::Scale scale, const Ranges& ranges, double* taken) {
    const double seen = shown(cm, kRadiusDecimals);
    if (!std::isfinite(cm) || seen < statedLeastRadius(scale, ranges) ||
        seen > statedGreatestRadius(scale, ranges))
        return false;
    *taken = std::clamp(cm, leastRadius(scale, ranges), greatestRadius(scale, ranges));
    return true;
}

std::optional<std::uint64_t> seedOf(std::string_view digits) {
    if (digits.empty() || digits.size() > 20)
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        const std::uint64_t digit = std::uint64_t(c - '0');
        if (value > (UINT64_MAX - digit) / 10)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

Result parse(std::string_view bytes, const Ranges& ranges) {
    Result result;
    Failure& failure = result.failure;
    if (bytes.size() > kMostBytes) {
        failure.problem = Problem::TooLarge;
        failure.size = bytes.size();
        return result;
    }
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) {
            return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
        })) {
        failure.problem = Problem::Empty;
        return result;
    }
    Value root;
    Parser parser(bytes);
    if (!parser.document(&root)) {
        failure.problem = Problem::NotJson;
        failure.offset = parser.offset();
        failure.syntax = parser.syntax();
        return result;
    }
    if (root.type != Value::Type::Object) {
        failure.problem = Problem::NotAnObject;
        return result;
    }
    const Value* format = root.member("format");
    if (!format || format->type != Value::Type::String || format->string != kFormatName) {
        failure.problem = Problem::NotQuellor;
        return result;
    }
    const Value* version = root.member("version");
    if (!version || version->type != Value::Type::Number ||
        version->number != std::floor(version->number) || version->number < 1) {
        failure.problem = Problem::BadVersion;
        return result;
    }
    if (version->number > kVersion) {
        failure.problem = Problem::NewerVersion;
        failure.value = version->number;
        return result;
    }
    const bool twoLensFormat = version->number >= 2;

    Reader in;
    Setup setup;
    // The scale first: the lengths below are real ones at it, and so are
    // their limits. A file without one is at 1 : 1.
    if (const Value* scale = root.member("scale")) {
        const std::optional<Optics::Scale> chosen =
            scale->type == Value::Type::Number ? Optics::Scale::of(scale->number) : std::nullopt;
        if (!chosen) {
            failure.problem = Problem::BadScale;
            failure.field = "scale";
            return result;
        }
        setup.scale = *chosen;
    }
    setup.converging = in.choice(root, "lens", "converging", "diverging");
    const Value& indices = *in.object(root, "indices", "indices");
    setup.n1 = in.number(indices, "left", "indices.left", ranges.leastIndex, ranges.greatestIndex);
    setup.N = in.number(indices, "lens", "indices.lens", ranges.leastIndex, ranges.greatestIndex);
    setup.n2 =
        in.number(indices, "right", "indices.right", ranges.leastIndex, ranges.greatestIndex);
    const Value& radii = *in.object(root, "radii", "radii");
    setup.leftRadius = in.number(radii, "left", "radii.left", leastRadius(setup.scale, ranges),
                                 greatestRadius(setup.scale, ranges), kRadiusDecimals);
    setup.rightRadius = in.number(radii, "right", "radii.right", leastRadius(setup.scale, ranges),
                                  greatestRadius(setup.scale, ranges), kRadiusDecimals);
    setup.scheme = in.choice(root, "view", "scheme", "lens");

    // Optional parts: no object, the fitted zoom, no layers.
    const Value* object = root.member("object");
    if (!in.failed() && object && object->type != Value::Type::Null) {
        const Value& point = *in.object(root, "object", "object");
        setup.hasObject = true;
        setup.objectDistance =
            in.number(point, "distance", "object.distance", nearestObject(setup.scale, ranges),
                      farthestObject(setup.scale, ranges));
        setup.objectHeight =
            in.number(point, "height", "object.height", lowestObject(setup.scale, ranges),
                      highestObject(setup.scale, ranges));
    }
    if (!in.failed() && root.member("zoom")) {
        const double zoom = in.number(root, "zoom", "zoom", kZoomOut, kZoomIn);
        if (!in.failed() && zoom != std::floor(zoom))
            in.fail(Problem::ZoomNotWhole, "zoom");
        if (!in.failed())
            setup.zoomSteps = int(zoom);
    }
    if (!in.failed() && root.member("layers")) {
        const Value& layers = *in.object(root, "layers", "layers");
        setup.layers.labels = in.flag(layers, "labels", "layers.labels");
        setup.layers.thirdRay = in.flag(layers, "thirdRay", "layers.thirdRay");
        setup.layers.safePalette = in.flag(layers, "safePalette", "layers.safePalette");
    }
    // The series of tasks: a seed (a whole number, or its digits as a string
    // where it exceeds what a JSON number holds exactly) and a level.
    if (!in.failed() && root.member("tasks")) {
        const Value& tasks = *in.object(root, "tasks", "tasks");
        const Value* seed = tasks.member("seed");
        const Value* level = tasks.member("level");
        // From 2^53 on a JSON number no longer holds every whole number.
        constexpr double kFirstInexact = 9007199254740992.0; // 2^53
        const bool isNumber = seed && seed->type == Value::Type::Number;
        std::optional<std::uint64_t> value;
        if (seed && seed->type == Value::Type::String)
            value = seedOf(seed->string);
        else if (isNumber && seed->number >= 0 && seed->number < kFirstInexact &&
                 seed->number == std::floor(seed->number))
            value = std::uint64_t(seed->number);
        if (!in.failed() && !value)
            in.fail(isNumber && seed->number >= kFirstInexact ? Problem::SeedInexact
                                                              : Problem::BadSeed,
                    "tasks.seed");
        setup.taskLevel = -1;
        const std::string levelWord =
            level && level->type == Value::Type::String ? level->string : std::string();
        for (int i = 0; i < int(std::size(kTaskLevels)); ++i)
            if (!level || levelWord == kTaskLevels[i]) {
                setup.taskLevel = level ? i : 0;
                break;
            }
        if (!in.failed() && (setup.taskLevel < 0 || (level && level->type != Value::Type::String)))
            in.fail(Problem::BadLevel, "tasks.level");
        setup.hasTasks = true;
        setup.taskSeed = value.value_or(0);
    }
    // The notation: one of the names the writer uses, or none at all.
    if (!in.failed()) {
        if (const Value* notation = root.member("notation")) {
            const bool isString = notation->type == Value::Type::String;
            setup.notation = Optics::notationKeyed(isString ? notation->string : std::string());
            if (!isString || !setup.notation)
                in.fail(Problem::BadNotation, "notation");
        }
    }
    // The second lens came with version 2; absent or null, there is none. In
    // a version-1 file the key is one that format never had, ignored as any
    // unknown key: the file opens as the one-lens bench that every Quellor,
    // older or newer, opens it as.
    const Value* second = twoLensFormat ? root.member("secondLens") : nullptr;
    if (!in.failed() && second && second->type != Value::Type::Null) {
        const Value& lens = *in.object(root, "secondLens", "secondLens");
        const Optics::Scale k = setup.scale;
        SecondLensSetup s;
        s.distance = in.number(lens, "distance", "secondLens.distance",
                               k.realOfBenchCm(ranges.nearestSecondLens),
                               k.realOfBenchCm(ranges.farthestSecondLens));
        s.converging = in.choice(lens, "lens", "converging", "diverging", "secondLens.lens");
        s.N = in.number(lens, "index", "secondLens.index", ranges.leastIndex, ranges.greatestIndex);
        const Value& radii = *in.object(lens, "radii", "secondLens.radii");
        s.leftRadius = in.number(radii, "left", "secondLens.radii.left",
                                 k.realOfBenchCm(ranges.leastSecondRadius),
                                 k.realOfBenchCm(ranges.greatestSecondRadius));
        s.rightRadius = in.number(radii, "right", "secondLens.radii.right",
                                  k.realOfBenchCm(ranges.leastSecondRadius),
                                  k.realOfBenchCm(ranges.greatestSecondRadius));
        s.after =
            in.number(lens, "after", "secondLens.after", ranges.leastIndex, ranges.greatestIndex);
        setup.secondLens = s;
    }
    // A scene, version 2 as the second lens: its kind, then each parameter
    // the kind takes, within its range; one it does not take is refused, so
    // that nothing the teacher set is silently dropped.
    const Value* scene = twoLensFormat ? root.member("scene") : nullptr;
    if (!in.failed() && scene && scene->type != Value::Type::Null) {
        const Value& object = *in.object(root, "scene", "scene");
        const Value* kind = in.failed() ? nullptr : object.member("kind");
        const SceneKind* known =
            kind && kind->type == Value::Type::String ? sceneKind(kind->string) : nullptr;
        if (!in.failed() && !known)
            in.fail(kind ? Problem::BadScene : Problem::Missing, "scene.kind");
        SceneSetup s;
        if (known) {
            s.kind = known->kind;
            for (const std::string& name : object.keys)
                if (!in.failed() && name != "kind" &&
                    std::none_of(known->parameters.begin(), known->parameters.end(),
                                 [&](const SceneParameter& p) { return name == p.name; }))
                    in.fail(Problem::BadScene, "scene." + name);
            for (const SceneParameter& p : known->parameters) {
                const std::string field = std::string("scene.") + p.name;
                if (p.optional && !object.member(p.name))
                    continue;
                const double v = in.number(object, p.name, field.c_str(), p.least, p.greatest);
                if (!in.failed())
                    s.parameters.emplace_back(p.name, v);
            }
        }
        if (!in.failed())
            setup.scene = s;
    }
    if (in.failed()) {
        result.failure = in.failure;
        return result;
    }
    result.setup = setup;
    return result;
}

std::string write(const Setup& setup) {
    const auto number = [](double v) { return numberText(shortest(v)); };
    const auto flag = [](bool b) { return std::string(b ? "true" : "false"); };
    Members root;
    root["format"] = quoted(kFormatName);
    // Version 1 wherever it holds the setup, so that an older Quellor opens
    // it; a second lens, a scene or the two-lens tasks need the newer one,
    // which an older Quellor refuses as newer instead of opening one lens.
    const bool twoLensTasks = setup.hasTasks && setup.taskLevel == int(Tasks::Level::TwoLenses);
    root["version"] =
        numberText(setup.secondLens || setup.scene || twoLensTasks ? kVersion : kOneLensVersion);
    root["scale"] = numberText(setup.scale.factor());
    root["lens"] = quoted(setup.converging ? "converging" : "diverging");
    root["indices"] = objectText(
        {{"left", number(setup.n1)}, {"lens", number(setup.N)}, {"right", number(setup.n2)}}, 1);
    root["radii"] =
        objectText({{"left", number(setup.leftRadius)}, {"right", number(setup.rightRadius)}}, 1);
    root["view"] = quoted(setup.scheme ? "scheme" : "lens");
    root["object"] = setup.hasObject ? objectText({{"distance", number(setup.objectDistance)},
                                                   {"height", number(setup.objectHeight)}},
                                                  1)
                                     : "null";
    root["zoom"] = numberText(setup.zoomSteps);
    root["layers"] = objectText({{"labels", flag(setup.layers.labels)},
                                 {"thirdRay", flag(setup.layers.thirdRay)},
                                 {"safePalette", flag(setup.layers.safePalette)}},
                                1);
    if (setup.hasTasks)
        root["tasks"] = objectText(
            {{"seed", quoted(std::to_string(setup.taskSeed))},
             {"level",
              quoted(
                  kTaskLevels[std::clamp(setup.taskLevel, 0, int(std::size(kTaskLevels)) - 1)])}},
            1);
    if (setup.notation)
        root["notation"] = quoted(Optics::keyOf(*setup.notation));
    if (const std::optional<SecondLensSetup>& s = setup.secondLens)
        root["secondLens"] = objectText(
            {{"distance", number(s->distance)},
             {"lens", quoted(s->converging ? "converging" : "diverging")},
             {"index", number(s->N)},
             {"radii",
              objectText({{"left", number(s->leftRadius)}, {"right", number(s->rightRadius)}}, 2)},
             {"after", number(s->after)}},
            1);
    if (const std::optional<SceneSetup>& s = setup.scene) {
        Members scene;
        scene["kind"] = quoted(s->kind);
        for (const auto& [name, value] : s->parameters)
            scene[name] = number(value);
        root["scene"] = objectText(scene, 1);
    }
    return objectText(root, 0) + "\n";
}

} // namespace SetupFormat
