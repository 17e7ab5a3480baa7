// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphwindow.h"
#include "notation.h"
#include "readout.h"

#include <QString>

// The names the graph gives its plots and axes, in one place, in the letters
// of the notation shown: "f(d)" in the Russian school's, "v(u)" in the UK's,
// "b(d)" with signs.
namespace GraphTitles {
inline QString objectLetter(Optics::Notation n) {
    return Readout::letter(Optics::lettersOf(n).objectDistance);
}
inline QString imageLetter(Optics::Notation n) {
    return Readout::letter(Optics::lettersOf(n).imageDistance);
}
inline QString magnificationLetter(Optics::Notation n) {
    return Readout::letter(Optics::lettersOf(n).magnification);
}
inline QString objectDistanceAxis(Optics::Notation n) {
    return Readout::lengthTitle(Optics::lettersOf(n).objectDistance);
}
inline QString imageDistanceAxis(Optics::Notation n) {
    return Readout::lengthTitle(Optics::lettersOf(n).imageDistance);
}
inline QString magnificationAxis(Optics::Notation n) {
    return magnificationLetter(n);
}
inline QString imageDistanceCurve(Optics::Notation n) {
    return QStringLiteral("%1(%2)").arg(imageLetter(n), objectLetter(n));
}
inline QString magnificationCurve(Optics::Notation n) {
    return QStringLiteral("%1(%2)").arg(magnificationLetter(n), objectLetter(n));
}
inline QString imageDistancePlot(Optics::Notation n) {
    return GraphWindow::tr("Расстояние до изображения %1").arg(imageDistanceCurve(n));
}
inline QString magnificationPlot(Optics::Notation n) {
    return GraphWindow::tr("Увеличение %1").arg(magnificationCurve(n));
}
inline QString windowTitle(Optics::Notation n) {
    return GraphWindow::tr("Quellor — график %1 и %2")
        .arg(imageDistanceCurve(n), magnificationCurve(n));
}
// The object in the front focal plane; the image as far as the back focus.
inline QString verticalAsymptote(Optics::Notation n) {
    return QStringLiteral("%1 = %2").arg(objectLetter(n),
                                         Readout::letter(Optics::lettersOf(n).focalLength));
}
// In one medium a school book has one focal length: f = F, as the figure names it.
inline QString horizontalAsymptote(Optics::Notation n, const Optics::Lens& lens) {
    const Optics::Letters& l = Optics::lettersOf(n);
    return QStringLiteral("%1 = %2").arg(
        imageLetter(n),
        Readout::letter(Optics::oneFocalLength(n, lens) ? l.focalLength : l.backFocalLength));
}
} // namespace GraphTitles
