// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "benchoptics.h"
#include "benchstate.h"
#include "lens.h"
#include "notation.h"
#include "scale.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

// How the program writes its numbers and the kind of an image, wherever it
// shows them: the read-outs, the task's verdict, the worksheet, the table and
// the graph. The language shown decides the decimal mark.
namespace Readout {

// Lengths are shown to hundredths of a centimetre.
constexpr int kLengthDecimals = 2;

// The language's numbers: its decimal mark, digits 0-9, no group separators.
QLocale locale();

// A length, power or magnification: two decimals (or as many as asked), a
// true minus sign, none for a value that rounds to zero.
QString number(double value, int decimals = kLengthDecimals);

// A length of the bench as the real length it stands for at this scale, in
// centimetres, "2,65 см": the one conversion of every length shown.
QString centimetres(double twips, Optics::Scale scale);
// The scale in words, "Масштаб 1 : 5".
QString scaleText(Optics::Scale scale);
// A length already in centimetres.
QString centimetresOf(double cm);

// A value as a user would type it: the shortest decimal form of its 15
// significant digits, with the language's decimal mark.
QString typed(double value);

// The numbers of an answer as the read-outs write them, in the notation's
// letters and real lengths: the distances and the magnification, then the
// focal lengths, "d = 7,40 см   f = 12,33 см   Γ = 1,67   F = 4,63 см".
QString answerNumbers(Optics::Notation notation, const Optics::Lens& lens,
                      const Bench::Image& image, Optics::Scale scale);

// The kind of an image in words, "действительное, перевёрнутое, уменьшенное".
QString kindWords(bool real, bool upright, Optics::Size size);

// The notation the pupils of the language shown learn from: the Russian
// school's in Russian, the UK school's in English.
Optics::Notation languageNotation();
// A letter of a notation as text.
QString letter(const char* utf8);
// Its name in words with its letters, for a control and its tooltip.
QString notationName(Optics::Notation notation);
QString notationLetters(Optics::Notation notation);

// The focal lengths in the notation's letters: "F = 10,00 см" in one medium
// where the notation names one, otherwise the front and the back one.
QString focalLengths(Optics::Notation notation, const Optics::Lens& lens, Optics::Scale scale);
// "D = 38,02 дптр", the power as the notation defines it, and the formula it
// is computed by, in words for the read-out's tooltip.
QString power(Optics::Notation notation, const Optics::Lens& lens, Optics::Scale scale);
QString powerFormula(Optics::Notation notation, const Optics::Lens& lens);
// "d = 15,00 см   f = 30,00 см   Γ = 2,00"; the object's distance alone
// where there is no image.
QString distances(Optics::Notation notation, const Bench::Image& image, Optics::Scale scale);
QString objectDistance(Optics::Notation notation, const Bench::Image& image, Optics::Scale scale);
// The read-outs of the object and its image while the construction stands on
// the bench (both empty otherwise): the distances, and the kind of image in
// words with the edge of its area it lies beyond.
struct ImageTexts {
    QString distances;
    QString kind;
};
ImageTexts imageTexts(Optics::Notation notation, const BenchState& bench, Optics::Scale scale);
// The magnification as the notation writes it.
QString magnification(Optics::Notation notation, double magnification);
// A column or axis title of a length, "d, см", and of the power, "D, дптр".
QString lengthTitle(const char* letter);
QString powerTitle(Optics::Notation notation);
// Where the object stands, "F < d < 2F".
QString region(Optics::Notation notation, Optics::ObjectRegion region);
} // namespace Readout

// The text of an index read-out: six spaces, then the value in its shortest
// decimal form with the decimal mark of the language shown and the digits
// 0-9. The value is first rounded to 15 significant digits, so that 1 + 32/50
// shows as 1.64 and not with the binary noise of the double
// (1.6400000000000001).
QString readoutText(double value);

// A length, power or magnification as the read-outs write it.
QString readoutNumber(double value, int decimals = 2);
