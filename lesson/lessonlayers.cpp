// SPDX-License-Identifier: GPL-3.0-or-later
// The layers of the textbook figure, switched on for a lesson: the names of
// the points with the object and image drawn as arrows, the third ray, and a
// palette told apart with a colour-vision deficiency. Each switch is a change
// of the bench and ends in RedrawScheme.
#include "form1.h"

#include "commandbutton.h"
#include "label.h"
#include "figurelabels.h"
#include "mode.h"
#include "palette.h"
#include "picturebox.h"
#include "screeninfo.h"

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
// A name as painted, not yet placed: its text and style.
TextMark styled(Labels::Text text) {
    const bool word = text == Labels::Text::Real || text == Labels::Text::Virtual;
    TextMark mark;
    mark.text = textOf(text);
    mark.points = word ? kWordPoints : kLetterPoints;
    mark.bold = !word;
    return mark;
}

// Every name's box measured with the font it is painted in on the area; kept
// while the scale and the language stay, since a drag places the names on
// every event.
const Labels::Sizes& measuredSizes(const QWidget* area) {
    static double scale = 0;
    static QString words;
    static Labels::Sizes sizes;
    const double now = ScreenInfo::of(area).pixelsPerTwip();
    const QString nowWords = textOf(Labels::Text::Real) + textOf(Labels::Text::Virtual);
    if (now == scale && nowWords == words)
        return sizes;
    for (int i = 0; i < Labels::kTextCount; ++i) {
        const QSizeF size = styled(Labels::Text(i)).measuredTwips(area);
        sizes[std::size_t(i)] = {size.width(), size.height()};
    }
    scale = now;
    words = nowWords;
    return sizes;
}

Labels::Box boxOf(const TwipGeometry& part, double dx, double dy) {
    return {part.Left() - dx, part.Top() - dy, part.Left() + part.Width() - dx,
            part.Top() + part.Height() - dy};
}

// What the names keep clear of on an area: every figure drawn on it, the
// visible controls it holds (the marks, the read-out), and the parts of the
// window that stand over it (the axis, the lens and its arrowheads).
Labels::Obstacles obstaclesOn(const PictureBox* area,
                              std::initializer_list<const TwipGeometry*> over) {
    Labels::Obstacles obstacles;
    for (const Figure& f : area->figures()) {
        const double half = f.drawWidth * ScreenInfo::kTwipsPerDesignPixel / 2;
        if (f.kind == Figure::Kind::Line) {
            obstacles.lines.push_back({f.x1, f.y1, f.x2, f.y2, half, f.drawStyle != 0});
        } else {
            const double r = f.radius + half;
            obstacles.boxes.push_back({f.x1 - r, f.y1 - r, f.x1 + r, f.y1 + r});
        }
    }
    for (const QObject* child : area->children())
        if (const auto* part = dynamic_cast<const TwipGeometry*>(child); part && part->Visible())
            obstacles.boxes.push_back(boxOf(*part, 0, 0));
    for (const TwipGeometry* part : over)
        if (part->Visible())
            obstacles.boxes.push_back(boxOf(*part, area->Left(), area->Top()));
    return obstacles;
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
    const bool names = ShowLabels && m_mode->showsLayers();
    for (Label* caption : {lblFleft, lbl2Fleft, lblFright, lbl2Fright})
        caption->SetVisible(!names); // kept hidden when a zoom places them again

    QVector<TextMark> left;
    QVector<TextMark> right;
    if (names) {
        const RgbValue colour = Palette::of(*this).label;
        const std::initializer_list<const TwipGeometry*> lens{Picture3, picVexol, picLup,
                                                              picRup,   picLdown, picRdown};
        const Labels::Scene scene{obstaclesOn(picLeft, lens), obstaclesOn(picRigth, lens)};
        for (const Labels::Mark& mark :
             Labels::labelMarks(*this, measuredSizes(picLeft), scene, CurrentNotation())) {
            TextMark text = styled(mark.text);
            text.x = float(mark.x);
            text.y = float(mark.y);
            text.anchor = anchorOf(mark.anchor);
            text.colour = colour;
            (mark.area == Labels::Area::Left ? left : right).append(text);
        }
    }
    picLeft->SetTextMarks(left);
    picRigth->SetTextMarks(right);
}
