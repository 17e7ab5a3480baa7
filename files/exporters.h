// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace Export {
class Exporter;
}

// Each format's exporter, defined beside what it writes; Export::all() lists
// them. A new format is a class, one line here and one in that list.
namespace Exporters {
const Export::Exporter& picturePng();   // files/pictureexport.cpp
const Export::Exporter& pictureSvg();   // files/pictureexport.cpp
const Export::Exporter& worksheetPdf(); // files/worksheetexport.cpp
const Export::Exporter& classSetPdf();  // files/worksheetexport.cpp
const Export::Exporter& labReportPdf(); // files/labreport.cpp
const Export::Exporter& labCsv();       // files/labcsv.cpp
const Export::Exporter& tableCsv();     // files/tablecsv.cpp
const Export::Exporter& resultsCsv();   // files/resultsexport.cpp
const Export::Exporter& resultsPdf();   // files/resultspage.cpp
} // namespace Exporters
