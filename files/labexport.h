// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "laboratory.h"

#include <QByteArray>
#include <QString>
#include <vector>

// The laboratory work written out: the table as CSV a spreadsheet in the
// language shown opens (files/labcsv.cpp), and the one-page report of the
// work as PDF (files/labreport.cpp). Both are made whole in memory, for the
// safe write path.
namespace LabExport {
// The power is written as `notation` defines it.
QByteArray csv(const std::vector<Lab::Row>& rows, Optics::Notation notation);
// False with the reason when the page could not be drawn.
bool report(const std::vector<Lab::Row>& rows, Optics::Notation notation, QByteArray* pdf,
            QString* why);
} // namespace LabExport
