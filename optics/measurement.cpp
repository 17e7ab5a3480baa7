// SPDX-License-Identifier: GPL-3.0-or-later
#include "measurement.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace Measurements {

Row measure(const Optics::Lens& lens, double z, double height, Optics::Scale scale) {
    const Optics::Axial::Image image = Optics::imageOf(lens, {z, height});
    const Optics::FocalLengths f = Optics::focalLengths(lens);
    Row row;
    row.d = scale.realOfBenchCm(-z);
    row.kind = image.kind;
    if (image.kind != Optics::ImageKind::None) {
        row.b = scale.realOfBenchCm(image.distance);
        row.magnification = image.magnification;
    }
    row.finite = f.finite;
    row.front = scale.realOfBenchCm(f.front);
    row.back = scale.realOfBenchCm(f.back);
    row.lens = lens;
    row.scale = scale;
    return row;
}

Row measure(const Optics::Axial::System& system, Optics::Scale scale) {
    Row row;
    if (!Optics::Axial::valid(system) || system.elements.empty())
        return row;
    const double before = system.media.front(), after = system.media.back();
    const Optics::Axial::Focus focus = Optics::Axial::systemFocus(system);
    const Optics::Axial::ThinLens equivalent =
        Optics::Axial::lensOfPower(focus.finite ? focus.power : 0, before, after);
    row.lens = {before, equivalent.N, after, equivalent.R1, equivalent.R2};
    row.scale = scale;
    row.d = scale.realOfBenchCm(system.elements.front().z - system.object.z);
    const Optics::Axial::Image image = Optics::Axial::imageOf(system);
    row.kind = image.kind;
    if (image.kind != Optics::ImageKind::None) {
        row.b = scale.realOfBenchCm(image.distance);
        row.magnification = image.magnification;
    }
    row.finite = focus.finite;
    row.front = focus.finite ? scale.realOfBenchCm(focus.front) : Optics::Axial::kInfinite;
    row.back = focus.finite ? scale.realOfBenchCm(focus.back) : Optics::Axial::kInfinite;
    return row;
}

CsvFormat csvFormatFor(char decimalMark) {
    CsvFormat format;
    format.decimalMark = decimalMark;
    format.separator = decimalMark == ',' ? ';' : ',';
    return format;
}

namespace {
std::string number(double value, const CsvFormat& format) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", format.decimals, value);
    std::string out(text);
    // A value that rounds to zero is written without a sign.
    if (out.front() == '-' && std::strtod(text, nullptr) == 0)
        out.erase(0, 1);
    for (char& c : out)
        if (c == '.')
            c = format.decimalMark;
    return out;
}

// A field with the separator, a quote or a line break in it is quoted, its
// quotes doubled.
std::string field(const std::string& text, const CsvFormat& format) {
    if (text.find_first_of(std::string{format.separator, '"', '\r', '\n'}) == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

void appendLine(std::string* out, const std::vector<std::string>& fields, const CsvFormat& format) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            *out += format.separator;
        *out += field(fields[i], format);
    }
    *out += "\r\n";
}
} // namespace

std::string csvText(const std::vector<std::string>& header, const std::vector<Row>& rows,
                    const std::array<std::string, 3>& kindNames, const std::string& infinity,
                    const CsvFormat& format) {
    std::string out;
    appendLine(&out, header, format);
    for (const Row& row : rows) {
        const bool image = row.kind != Optics::ImageKind::None;
        const std::string focal = row.finite ? number(row.front, format) : infinity;
        const std::string back = row.finite ? number(row.back, format) : infinity;
        appendLine(&out,
                   {number(row.d, format), image ? number(row.b, format) : std::string(),
                    image ? number(row.magnification, format) : std::string(),
                    kindNames[std::size_t(row.kind)], focal, back, number(row.dioptres, format)},
                   format);
    }
    return out;
}

} // namespace Measurements
