// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "laboratory.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <vector>

// The laboratory work written out: the table as CSV a spreadsheet in the
// language shown opens (files/labcsv.cpp), and the one-page report of the
// work as PDF (files/labreport.cpp). Both are made whole in memory, for the
// safe write path.
namespace LabExport {
// The power is written as `notation` defines it.
QByteArray csv(const std::vector<Lab::Row>& rows, Optics::Notation notation);
// Under the title, who did the work (name and class, blank lines to write them
// on where none was given) and the date. False with the reason when the page
// could not be drawn.
bool report(const std::vector<Lab::Row>& rows, Optics::Notation notation, const QString& author,
            QDate date, QByteArray* pdf, QString* why);
} // namespace LabExport
