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
#include "commandbutton.h"
#include "form1.h"
#include "label.h"
#include "lens.h"
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

QString Readout::centimetres(double twips) {
    return centimetresOf(twips / Bench::kTwipsPerCm);
}

QString Readout::typed(double value) {
    // The digits of the C locale, the decimal mark of the language shown.
    QString digits = QLocale::c().toString(value, 'g', 15);
    return digits.replace(QLatin1Char('.'), locale().decimalPoint());
}

QString Readout::answerNumbers(const Optics::Image& image, const Optics::FocalLengths& focal) {
    return QCoreApplication::translate("Readout", "d = %1   b = %2   f = %3   f′ = %4   Γ = %5")
        .arg(centimetres(image.d), centimetres(image.b), centimetres(focal.front),
             centimetres(focal.back), number(image.magnification));
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

QString centimetres(double twips) {
    return Readout::centimetres(twips);
}

QString number(double value) {
    return Readout::number(value);
}
} // namespace

void Form1::ShowReadouts() {
    // The lens: the power as the focal lengths were computed from it, zero where
    // they are taken as infinite.
    const Optics::Lens lens = Optics::lensOf(*this);
    const Optics::FocalLengths focal = Optics::focalLengths(lens);
    if (!focal.finite)
        showText(lblFocal, tr("f = ∞   f′ = ∞"));
    else
        showText(lblFocal,
                 tr("f = %1   f′ = %2").arg(centimetres(focal.front), centimetres(focal.back)));
    showText(lblPower, tr("D = %1 дптр").arg(number(Optics::dioptres(Optics::power(lens)))));

    // The radius of the surface drawn on each side, beside the row of the panel
    // whose slider reshapes it.
    showText(lblRleft, tr("R = %1").arg(centimetres(std::fabs(lens.leftR))));
    showText(lblRright, tr("R = %1").arg(centimetres(std::fabs(lens.rightR))));

    // The chosen lens type shows as a pressed button with a bar beneath.
    cmdSob->setChecked(ConvergingChosen != kFalse);
    cmdRas->setChecked(ConvergingChosen == kFalse);
    picTypeMark->SetLeft(ConvergingChosen != kFalse ? cmdSob->Left() : cmdRas->Left());

    // The object and its image, while the construction stands on the bench.
    if (!(SchemeView && ConstructionShown && Optics::objectOnBench(*this))) {
        showText(lblDistances, QString());
        showText(lblImageKind, QString());
        return;
    }
    const Optics::Image image = Optics::imageOf(lens, ObjectX, ObjectY);
    if (image.kind == Optics::ImageKind::None) {
        showText(lblDistances, tr("d = %1").arg(centimetres(image.d)));
        showText(lblImageKind, tr("изображения нет: предмет в фокальной плоскости"));
        return;
    }
    showText(lblDistances,
             tr("d = %1   b = %2   Γ = %3")
                 .arg(centimetres(image.d), centimetres(image.b), number(image.magnification)));

    QStringList kind{Readout::kindWords(image.kind == Optics::ImageKind::Real,
                                        image.magnification > 0,
                                        Optics::sizeOf(image.magnification))};
    // The edge of its area the image lies beyond, as the model tells it.
    switch (image.beyond) {
    case Optics::Edge::None:
        break;
    case Optics::Edge::Left:
        kind << tr("за краем слева");
        break;
    case Optics::Edge::Right:
        kind << tr("за краем справа");
        break;
    case Optics::Edge::Top:
        kind << tr("за краем сверху");
        break;
    case Optics::Edge::Bottom:
        kind << tr("за краем снизу");
        break;
    }
    showText(lblImageKind, kind.join(QStringLiteral(", ")));
}
