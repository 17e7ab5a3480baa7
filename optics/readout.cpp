// SPDX-License-Identifier: GPL-3.0-or-later
// What the bench shows in numbers: the three indices beside their sliders, the
// radii of the two surfaces, and in the title band the lens's focal lengths and
// optical power and, for the object on the bench, the distances of object and
// image, the magnification and the kind of image in words.
//
// Every number comes from the paraxial optics of a thin lens between two media,
// computed here from the bench parameters, not read off the drawing: with the
// lens's power P (the same the marks are placed by) the front focal length is
// f = n1 / P, the back one f' = n2 / P, an object d in front of the lens has
// its image at b = f' d / (d - f) behind it (in front of it when negative:
// virtual), and the magnification is -(n1 b) / (n2 d).
#include "readout.h"

#include "commandbutton.h"
#include "form1.h"
#include "label.h"
#include "picturebox.h"
#include "slider.h"

#include <QLocale>
#include <cmath>

namespace {
// The bench as drawn at its laid-out size: one centimetre is 567 twips, so a
// power in reciprocal twips is 56700 times its value in dioptres.
constexpr double kTwipsPerCm = 567;
constexpr double kDioptresPerReciprocalTwip = kTwipsPerCm * 100;

// Both areas are 7500 twips wide and 8025 high; the axis runs at y = 3990 and
// the lens plane is x = 7500 of picLeft, x = 0 of picRigth.
constexpr double kLensX = 7500;
constexpr double kAxisY = 3990;
constexpr double kAreaWidth = 7500;
constexpr double kAreaHeight = 8025;

// Read-outs in the language of the texts: a decimal comma in Russian (a point
// in the English translation), digits 0-9, a true minus sign, two decimals. A
// value that rounds to zero shows without a sign.
QString number(double value) {
    QLocale locale(Form1::tr("ru_RU", "locale of the decimal mark in the read-outs"));
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = locale.toString(value, 'f', 2);
    if (text.startsWith(locale.negativeSign())) {
        if (locale.toDouble(text) == 0)
            text.remove(0, locale.negativeSign().size());
        else
            text.replace(0, locale.negativeSign().size(), QStringLiteral("\u2212"));
    }
    return text;
}

QString centimetres(double twips) {
    return Form1::tr("%1 см").arg(number(twips / kTwipsPerCm));
}

// The label shows the text; a screen reader reads it, or what the label is for
// while it is empty.
void showText(Label* label, const QString& text) {
    label->SetCaption(text);
    const QString name = text.isEmpty() ? Form1::tr("Нет предмета") : QString();
    if (label->accessibleName() != name)
        label->setAccessibleName(name);
}
} // namespace

QString readoutText(double value) {
    // The digits of the C locale, the decimal mark of the user's.
    QString digits = QLocale::c().toString(value, 'g', 15);
    digits.replace(QLatin1Char('.'), QLocale().decimalPoint());
    return QStringLiteral("      ") + digits;
}

void Form1::ShowReadouts() {
    // The lens: the power as the focal lengths were computed from it, zero where
    // they are taken as infinite.
    const double P = OpticalPower();
    const bool noPower = std::fabs(P) < 0.000001;
    if (noPower)
        showText(lblFocal, tr("f = ∞   f′ = ∞"));
    else
        showText(lblFocal, tr("f = %1   f′ = %2").arg(centimetres(n1 / P), centimetres(n2 / P)));
    showText(lblPower,
             tr("D = %1 дптр").arg(number(noPower ? 0.0 : P * kDioptresPerReciprocalTwip)));

    // The radius beside each row of the panel, of the slider that stands in it.
    const Slider* leftRow = sldR1->Top() == LeftRadiusRowTop ? sldR1 : sldR2;
    const Slider* rightRow = leftRow == sldR1 ? sldR2 : sldR1;
    showText(lblRleft, tr("R = %1").arg(centimetres(RadiusBase + 50 * leftRow->Value())));
    showText(lblRright, tr("R = %1").arg(centimetres(RadiusBase + 50 * rightRow->Value())));

    // The chosen lens type shows as a pressed button with a bar beneath.
    cmdSob->setChecked(ConvergingChosen != kFalse);
    cmdRas->setChecked(ConvergingChosen == kFalse);
    picTypeMark->SetLeft(ConvergingChosen != kFalse ? cmdSob->Left() : cmdRas->Left());

    // The object and its image, while the construction stands on the bench.
    const double d = kLensX - double(ObjectX);
    const bool objectShown = SchemeView && !picLeft->figures().isEmpty() && d > 0 &&
                             std::isfinite(d) && std::isfinite(ObjectY);
    if (!objectShown) {
        showText(lblDistances, QString());
        showText(lblImageKind, QString());
        return;
    }
    // Without power the lens is a plane boundary between the media: the image
    // stands at n2/n1 of the object's distance on the object's side, upright and
    // of the same size.
    double b = -(n2 / n1) * d;
    if (!noPower) {
        const double front = n1 / P;
        if (d == front) {
            showText(lblDistances, tr("d = %1").arg(centimetres(d)));
            showText(lblImageKind, tr("изображения нет: предмет в фокальной плоскости"));
            return;
        }
        b = (n2 / P) * d / (d - front);
    }
    const double magnification = noPower ? 1.0 : -(n1 * b) / (n2 * d);
    showText(
        lblDistances,
        tr("d = %1   b = %2   Γ = %3").arg(centimetres(d), centimetres(b), number(magnification)));

    const bool real = b > 0;
    QStringList kind{real ? tr("действительное") : tr("мнимое"),
                     magnification > 0 ? tr("прямое") : tr("перевёрнутое")};
    // The size in the words that match the magnification as shown.
    const double shownSize = std::fabs(std::round(magnification * 100) / 100);
    kind << (shownSize == 1 ? tr("равное") : shownSize > 1 ? tr("увеличенное") : tr("уменьшенное"));
    // A real image stands in picRigth at x = b, a virtual one in picLeft at
    // x = 7500 + b; its height above the axis is the magnification times the
    // object's.
    const double imageX = real ? b : kLensX + b;
    const double imageY = kAxisY + magnification * (double(ObjectY) - kAxisY);
    if (!(imageX >= 0 && imageX <= kAreaWidth && imageY >= 0 && imageY <= kAreaHeight))
        kind << (real ? tr("за краем справа") : tr("за краем слева"));
    showText(lblImageKind, kind.join(QStringLiteral(", ")));
}
