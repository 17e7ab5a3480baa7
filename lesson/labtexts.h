// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "laboratory.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <vector>

// The words and numbers of the laboratory work, in one place for the table on
// the bench, the CSV file and the printed report: the letters the lengths go
// by, the rows as cells, the computation and the answer.
namespace LabTexts {

// The letters of the object's distance, the image's distance and the focal
// length.
QString objectLetter();
QString imageLetter();
QString focalLetter();
QString backFocalLetter();
// A length in shown centimetres with the unit's name: "см".
QString unit();

// The header and the cells of one row: number, d, f, F, F′ where the table
// holds rows between two media, what the screen showed.
QStringList header(bool twoMedia);
QStringList cells(int number, const Lab::Row& row, bool twoMedia);
// The region of the object in words ("дальше 2F").
QString regionWords(Lab::Region region);

// The computation in lines: the formula used with the means, the errors, the
// power; and the answer "F = (… ± …) см" (and F′ between two media). Empty
// while no row holds an image.
QStringList computation(const Lab::Result& result);
QString answer(const Lab::Result& result);

// The grade 8 work: for each region, the rows recorded there and what was found.
QStringList regionsFound(const std::vector<Lab::Row>& rows);

} // namespace LabTexts
