// SPDX-License-Identifier: GPL-3.0-or-later
// The layers of the textbook figure, switched on for a lesson: the names of
// the points with the object and image drawn as arrows, the third ray, and a
// palette told apart with a colour-vision deficiency. Each switch is a change
// of the bench and ends in RedrawScheme.
#include "form1.h"

#include "commandbutton.h"
#include "label.h"
#include "labels.h"
#include "palette.h"
#include "picturebox.h"

namespace {
// The letters at 12 pt bold, the words at 10.5 pt: at the fit to 1920 x 1080
// (factor 1.48) about 24 and 21 pixels, cap heights of 17 and 15.
constexpr double kLetterPoints = 12;
constexpr double kWordPoints = 10.5;

Flag toggled(Flag flag) {
    return flag ? kFalse : kTrue;
}

QString textOf(Labels::Text text) {
    switch (text) {
    case Labels::Text::A:
        return QStringLiteral("A");
    case Labels::Text::B:
        return QStringLiteral("B");
    case Labels::Text::APrime:
        return QStringLiteral("A\u2032");
    case Labels::Text::BPrime:
        return QStringLiteral("B\u2032");
    case Labels::Text::O:
        return QStringLiteral("O");
    case Labels::Text::F:
        return QStringLiteral("F");
    case Labels::Text::TwoF:
        return QStringLiteral("2F");
    case Labels::Text::FPrime:
        return QStringLiteral("F\u2032");
    case Labels::Text::TwoFPrime:
        return QStringLiteral("2F\u2032");
    case Labels::Text::Real:
        return Form1::tr("действительное");
    case Labels::Text::Virtual:
        return Form1::tr("мнимое");
    }
    return QString();
}

TextMark::Anchor anchorOf(Labels::Anchor anchor) {
    switch (anchor) {
    case Labels::Anchor::TopLeft:
        return TextMark::Anchor::TopLeft;
    case Labels::Anchor::TopRight:
        return TextMark::Anchor::TopRight;
    case Labels::Anchor::BottomLeft:
        return TextMark::Anchor::BottomLeft;
    case Labels::Anchor::BottomRight:
        return TextMark::Anchor::BottomRight;
    }
    return TextMark::Anchor::TopLeft;
}
} // namespace

void Form1::cmdLabels_Click() {
    if (!Allows(Action::Labels))
        return;
    ShowLabels = toggled(ShowLabels);
    RedrawScheme();
}

void Form1::cmdThirdRay_Click() {
    if (!Allows(Action::ThirdRay))
        return;
    ShowThirdRay = toggled(ShowThirdRay);
    RedrawScheme();
}

void Form1::cmdPalette_Click() {
    SafePalette = toggled(SafePalette);
    // The marks take the palette's colours.
    ComputeFocalLengths();
    RedrawScheme();
}

void Form1::ShowLabelsLayer() {
    cmdLabels->setChecked(ShowLabels != kFalse);
    cmdThirdRay->setChecked(ShowThirdRay != kFalse);
    cmdPalette->setChecked(SafePalette != kFalse);
    // The laid-out captions of the marks give way to the layer's larger names.
    for (Label* caption : {lblFleft, lbl2Fleft, lblFright, lbl2Fright})
        caption->SetVisible(!ShowLabels); // kept hidden when a zoom places them again

    QVector<TextMark> left;
    QVector<TextMark> right;
    if (ShowLabels) {
        const RgbValue colour = Palette::of(*this).label;
        for (const Labels::Mark& mark : Labels::labelMarks(*this)) {
            const bool word = mark.text == Labels::Text::Real || mark.text == Labels::Text::Virtual;
            TextMark text{textOf(mark.text),
                          float(mark.x),
                          float(mark.y),
                          anchorOf(mark.anchor),
                          colour,
                          word ? kWordPoints : kLetterPoints,
                          !word};
            (mark.area == Labels::Area::Left ? left : right).append(text);
        }
    }
    picLeft->SetTextMarks(left);
    picRigth->SetTextMarks(right);
}
