// SPDX-License-Identifier: GPL-3.0-or-later
// What the bench shows in numbers: the three indices beside their sliders, the
// radii of the two surfaces, and in the title band the lens's focal lengths and
// optical power and, for the object on the bench, the distances of object and
// image, the magnification and the kind of image in words.
//
// Every number comes from the optics model (lens.h), computed from the bench
// parameters, never read off the drawing or the controls: the same power the
// marks are placed by, the same image the construction draws.
#include "readout.h"

#include "bench.h"
#include "benchlens.h"
#include "benchoptics.h"
#include "commandbutton.h"
#include "form1.h"
#include "label.h"
#include "lens.h"
#include "mode.h"
#include "picturebox.h"

#include <QLocale>
#include <cmath>

namespace {
// The language shown names its locale: Russian writes a decimal comma, the
// English translation a point.
const char* const kLocaleOfTexts = QT_TRANSLATE_NOOP("Readout", "ru_RU");
} // namespace

QLocale Readout::locale() {
    QLocale locale(QCoreApplication::translate("Readout", kLocaleOfTexts));
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString Readout::number(double value, int decimals) {
    const QLocale shown = locale();
    QString text = shown.toString(value, 'f', decimals);
    if (text.startsWith(shown.negativeSign())) {
        if (shown.toDouble(text) == 0)
            text.remove(0, shown.negativeSign().size());
        else
            text.replace(0, shown.negativeSign().size(), QStringLiteral("\u2212"));
    }
    return text;
}

QString Readout::centimetresOf(double cm) {
    return QCoreApplication::translate("Readout", "%1 см").arg(number(cm));
}

QString Readout::centimetres(double twips, Optics::Scale scale) {
    return centimetresOf(Bench::realCm(scale, twips));
}

QString Readout::scaleText(Optics::Scale scale) {
    return QCoreApplication::translate("Readout", "Масштаб 1 : %1").arg(scale.factor());
}

QString Readout::typed(double value) {
    // The digits of the C locale, the decimal mark of the language shown.
    QString digits = QLocale::c().toString(value, 'g', 15);
    return digits.replace(QLatin1Char('.'), locale().decimalPoint());
}

QString Readout::kindWords(bool real, bool upright, Optics::Size size) {
    return QStringList{real ? QCoreApplication::translate("Readout", "действительное")
                            : QCoreApplication::translate("Readout", "мнимое"),
                       upright ? QCoreApplication::translate("Readout", "прямое")
                               : QCoreApplication::translate("Readout", "перевёрнутое"),
                       size == Optics::Size::Same ? QCoreApplication::translate("Readout", "равное")
                       : size == Optics::Size::Enlarged
                           ? QCoreApplication::translate("Readout", "увеличенное")
                           : QCoreApplication::translate("Readout", "уменьшенное")}
        .join(QStringLiteral(", "));
}

Optics::Notation Readout::languageNotation() {
    return locale().language() == QLocale::Russian ? Optics::Notation::RussianSchool
                                                   : Optics::Notation::UkSchool;
}

QString Readout::letter(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString Readout::notationName(Optics::Notation notation) {
    switch (notation) {
    case Optics::Notation::UkSchool:
        return QCoreApplication::translate("Readout", "английский учебник");
    case Optics::Notation::SignedGaussian:
        return QCoreApplication::translate("Readout", "со знаками (Гаусс)");
    case Optics::Notation::RussianSchool:
        break;
    }
    return QCoreApplication::translate("Readout", "российский учебник");
}

QString Readout::notationLetters(Optics::Notation notation) {
    const Optics::Letters& l = Optics::lettersOf(notation);
    return QStringList{letter(l.objectDistance), letter(l.imageDistance), letter(l.focalLength)}
        .join(QStringLiteral(", "));
}

namespace {
// "F = 10,00 см": a letter and its value.
QString named(const char* letter, const QString& value) {
    return Readout::letter(letter) + QStringLiteral(" = ") + value;
}
const QString kApart = QStringLiteral("   ");
} // namespace

QString Readout::focalLengths(Optics::Notation notation, const Optics::Lens& lens,
                              Optics::Scale scale) {
    const Optics::Letters& l = Optics::lettersOf(notation);
    const Optics::FocalLengths focal = Bench::focalLengths(lens);
    const QString infinity = QStringLiteral("∞");
    const QString front = focal.finite ? centimetres(focal.front, scale) : infinity;
    const QString back = focal.finite ? centimetres(focal.back, scale) : infinity;
    // In one medium the two are equal: a school book names one focal length.
    if (Optics::oneFocalLength(notation, lens))
        return named(l.focalLength, front);
    return named(l.focalLength, front) + kApart + named(l.backFocalLength, back);
}

QString Readout::power(Optics::Notation notation, const Optics::Lens& lens, Optics::Scale scale) {
    return QCoreApplication::translate("Readout", "%1 = %2 дптр")
        .arg(letter(Optics::lettersOf(notation).power),
             number(Optics::realDioptres(Optics::powerIn(notation, lens), scale)));
}

QString Readout::powerFormula(Optics::Notation notation, const Optics::Lens& lens) {
    const Optics::Letters& l = Optics::lettersOf(notation);
    const QString P = letter(l.power), F = letter(l.focalLength), F2 = letter(l.backFocalLength);
    switch (Optics::powerFormula(notation, lens)) {
    case Optics::PowerFormula::OneOverF:
        return QCoreApplication::translate(
                   "Readout", "%1 = 1/%2 = (N/n − 1)(1/R₁ + 1/R₂): линза в одной среде n, "
                              "%2 в метрах")
            .arg(P, F);
    case Optics::PowerFormula::OneOverFrontF:
        return QCoreApplication::translate(
                   "Readout", "%1 = 1/%2: среды по сторонам линзы разные, %2 — фокусное "
                              "расстояние перед линзой (в среде n₁), %3 = (n₂/n₁)·%2, %2 в метрах")
            .arg(P, F, F2);
    case Optics::PowerFormula::Vergence:
        break;
    }
    return QCoreApplication::translate(
               "Readout", "%1 = n₁/%2 = n₂/%3 = (N − n₁)/R₁ − (N − n₂)/R₂: оптическая сила со "
                          "знаком, %2 и %3 в метрах")
        .arg(P, F, F2);
}

QString Readout::magnification(Optics::Notation notation, double value) {
    return number(Optics::magnificationIn(notation, value));
}

QString Readout::objectDistance(Optics::Notation notation, const Bench::Image& image,
                                Optics::Scale scale) {
    return named(Optics::lettersOf(notation).objectDistance, centimetres(image.d, scale));
}

QString Readout::distances(Optics::Notation notation, const Bench::Image& image,
                           Optics::Scale scale) {
    const Optics::Letters& l = Optics::lettersOf(notation);
    return QStringList{objectDistance(notation, image, scale),
                       named(l.imageDistance, centimetres(image.b, scale)),
                       named(l.magnification, magnification(notation, image.magnification))}
        .join(kApart);
}

QString Readout::answerNumbers(Optics::Notation notation, const Optics::Lens& lens,
                               const Bench::Image& image, Optics::Scale scale) {
    return distances(notation, image, scale) + kApart + focalLengths(notation, lens, scale);
}

QString Readout::lengthTitle(const char* letterUtf8) {
    return QCoreApplication::translate("Readout", "%1, см").arg(letter(letterUtf8));
}

QString Readout::powerTitle(Optics::Notation notation) {
    return QCoreApplication::translate("Readout", "%1, дптр")
        .arg(letter(Optics::lettersOf(notation).power));
}

QString Readout::region(Optics::Notation notation, Optics::ObjectRegion where) {
    return QString::fromStdString(Optics::regionText(notation, where));
}

QString readoutNumber(double value, int decimals) {
    return Readout::number(value, decimals);
}

QString readoutText(double value) {
    return QStringLiteral("      ") + Readout::typed(value);
}

namespace {
// The label shows the text; a screen reader reads it, or what the label is for
// while it is empty.
void showText(Label* label, const QString& text) {
    label->SetCaption(text);
    const QString name = text.isEmpty() ? Form1::tr("Нет предмета") : QString();
    if (label->accessibleName() != name)
        label->setAccessibleName(name);
}

} // namespace

void Form1::ShowReadouts() {
    // The lens: the power as the focal lengths were computed from it, zero where
    // they are taken as infinite.
    const Optics::Lens lens = Optics::lensOf(*this);
    const Optics::Notation notation = CurrentNotation();
    const Optics::Scale scale = CurrentScale();
    const bool lensShown = m_mode->showsLens();
    showText(lblFocal, lensShown ? Readout::focalLengths(notation, lens, scale) : QString());
    showText(lblPower, lensShown ? Readout::power(notation, lens, scale) : QString());
    const QString formula = Readout::powerFormula(notation, lens);
    if (lblPower->toolTip() != formula)
        lblPower->setToolTip(formula);

    // The radius of the surface drawn on each side, beside the row of the panel
    // whose slider reshapes it.
    showText(lblRleft,
             tr("R = %1").arg(Readout::centimetresOf(scale.realOfBenchCm(std::fabs(lens.leftR)))));
    showText(lblRright,
             tr("R = %1").arg(Readout::centimetresOf(scale.realOfBenchCm(std::fabs(lens.rightR)))));

    // The chosen lens type shows as a pressed button with a bar beneath.
    cmdSob->setChecked(ConvergingChosen != kFalse);
    cmdRas->setChecked(ConvergingChosen == kFalse);
    picTypeMark->SetLeft(ConvergingChosen != kFalse ? cmdSob->Left() : cmdRas->Left());

    // A mode with an image of its own writes these after the redraw; blanked
    // here they would change twice on every event of a drag.
    if (!m_mode->showsLensImage())
        return;
    const Readout::ImageTexts image = Readout::imageTexts(notation, *this, scale);
    showText(lblDistances, image.distances);
    showText(lblImageKind, image.kind);
}

// The window's words (their translations are the window's).
Readout::ImageTexts Readout::imageTexts(Optics::Notation notation, const BenchState& bench,
                                        Optics::Scale scale) {
    if (!(bench.SchemeView && bench.ConstructionShown && Optics::objectOnBench(bench)))
        return {};
    const Bench::Image image = Bench::imageOf(Optics::lensOf(bench), bench.ObjectX, bench.ObjectY);
    if (image.kind == Optics::ImageKind::None)
        return {
            Readout::objectDistance(notation, image, scale),
            QCoreApplication::translate("Form1", "изображения нет: предмет в фокальной плоскости")};
    QStringList kind{Readout::kindWords(image.kind == Optics::ImageKind::Real,
                                        image.magnification > 0,
                                        Optics::sizeOf(image.magnification))};
    // The edge of its area the image lies beyond, as the model tells it.
    switch (image.beyond) {
    case Bench::Edge::None:
        break;
    case Bench::Edge::Left:
        kind << QCoreApplication::translate("Form1", "за краем слева");
        break;
    case Bench::Edge::Right:
        kind << QCoreApplication::translate("Form1", "за краем справа");
        break;
    case Bench::Edge::Top:
        kind << QCoreApplication::translate("Form1", "за краем сверху");
        break;
    case Bench::Edge::Bottom:
        kind << QCoreApplication::translate("Form1", "за краем снизу");
        break;
    }
    return {Readout::distances(notation, image, scale), kind.join(QStringLiteral(", "))};
}
