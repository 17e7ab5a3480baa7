// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "laboratory.h"
#include "notation.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <vector>

// The words and numbers of the laboratory work, in one place for the table on
// the bench, the CSV file and the printed report: the letters the lengths go
// by, the rows as cells, the computation and the answer.
namespace LabTexts {

// The letters of the object's distance, the image's distance, the focal
// lengths and the power in a notation: d, f, F, F′, D in the Russian school's,
// u, v, f, f′, P in the UK school's.
QString objectLetter(Optics::Notation notation);
QString imageLetter(Optics::Notation notation);
QString focalLetter(Optics::Notation notation);
QString backFocalLetter(Optics::Notation notation);
QString powerLetter(Optics::Notation notation);
// A length in shown centimetres with the unit's name: "см".
QString unit();

// The header and the cells of one row: number, d, f, F, F′ where the table
// holds rows between two media, what the screen showed.
QStringList header(Optics::Notation notation, bool twoMedia);
QStringList cells(Optics::Notation notation, int number, const Lab::Row& row, bool twoMedia);
// The region of the object in words ("дальше 2F").
QString regionWords(Optics::Notation notation, Lab::Region region);

// The computation in lines: the formula used with the means, the errors, the
// power; and the answer "F = (… ± …) см" (and F′ between two media). Empty
// while no row holds an image.
QStringList computation(Optics::Notation notation, const Lab::Result& result);
QString answer(Optics::Notation notation, const Lab::Result& result);

// The grade 8 work: for each region, the rows recorded there and what was found.
QStringList regionsFound(Optics::Notation notation, const std::vector<Lab::Row>& rows);

} // namespace LabTexts
