// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lens.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

// How the program writes its numbers and the kind of an image, wherever it
// shows them: the read-outs, the task's verdict, the worksheet, the table and
// the graph. The language shown decides the decimal mark.
namespace Readout {

// The language's numbers: its decimal mark, digits 0-9, no group separators.
QLocale locale();

// A length, power or magnification: two decimals (or as many as asked), a
// true minus sign, none for a value that rounds to zero.
QString number(double value, int decimals = 2);

// A length of the bench in centimetres, "2,65 см".
QString centimetres(double twips);
// A length already in centimetres.
QString centimetresOf(double cm);

// A value as a user would type it: the shortest decimal form of its 15
// significant digits, with the language's decimal mark.
QString typed(double value);

// The numbers of an answer in the read-outs' letters and format: the object's
// and the image's distances, the front and back focal lengths and the
// magnification, "d = 7,40 см   b = 12,33 см   f = 4,63 см   f′ = 4,63 см   Γ = −1,67".
QString answerNumbers(const Optics::Image& image, const Optics::FocalLengths& focal);

// The kind of an image in words, "действительное, перевёрнутое, уменьшенное".
QString kindWords(bool real, bool upright, Optics::Size size);
} // namespace Readout

// The text of an index read-out: six spaces, then the value in its shortest
// decimal form with the decimal mark of the language shown and the digits
// 0-9. The value is first rounded to 15 significant digits, so that 1 + 32/50
// shows as 1.64 and not with the binary noise of the double
// (1.6400000000000001).
QString readoutText(double value);

// A length, power or magnification as the read-outs write it.
QString readoutNumber(double value, int decimals = 2);
