// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lens.h"
#include "scale.h"

#include <array>
#include <string>
#include <vector>

// One row of the table of measurements: what the read-outs show for the
// object now on the bench, in their units (cm, dioptres), and the CSV text a
// spreadsheet opens.
namespace Measurements {

struct Row {
    double d = 0;
    double b = 0;
    double magnification = 0;
    Optics::ImageKind kind = Optics::ImageKind::None;
    double front = 0;    // f, cm
    double back = 0;     // f', cm
    double dioptres = 0; // as the notation shown defines it, filled where shown
    bool finite = false; // the focal lengths are finite
    Optics::Lens lens;   // the lens measured, for its power in any notation
    Optics::Scale scale; // the bench's scale then
};

// The row for an object at z (cm, before the lens at z = 0), its tip `height`
// cm above the axis, its lengths the real ones at the bench's scale; the power
// is the notation's (`Optics::powerIn`), taken from `lens` where the row is
// shown. Without power the focal lengths are infinite.
Row measure(const Optics::Lens& lens, double z, double height, Optics::Scale scale);

// The row of a system's final image, for its own object: d before the first
// element, b behind the last, Γ the system's. Its focal lengths and power are
// the system's, those of the one thin lens between its outer media that has
// its power (the equivalent lens), so that f = n/P and f′ = n′/P as for one.
Row measure(const Optics::Axial::System& system, Optics::Scale scale);

// How numbers are written: the decimal mark of the language and a field
// separator that differs from it (a semicolon where the mark is a comma).
struct CsvFormat {
    char decimalMark = '.';
    char separator = ',';
    int decimals = 2;
};
CsvFormat csvFormatFor(char decimalMark);

// The text of a table: the header row, then one line per row, lines ending in
// CR LF. `kindNames` names None, Real and Virtual; `infinity` stands for an
// infinite focal length. A row without an image leaves b and Γ empty.
std::string csvText(const std::vector<std::string>& header, const std::vector<Row>& rows,
                    const std::array<std::string, 3>& kindNames, const std::string& infinity,
                    const CsvFormat& format);

} // namespace Measurements
