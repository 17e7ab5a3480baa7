// SPDX-License-Identifier: GPL-3.0-or-later
// The names layer of the textbook figure: the points named on the two areas
// where they keep clear of the construction and of what stands over it.
#include "lessonlayers.h"

#include "figurelabels.h"
#include "palette.h"
#include "picturebox.h"
#include "screeninfo.h"

#include <QCoreApplication>

namespace {
// The letters at 12 pt bold, the words at 10.5 pt: at the fit to 1920 x 1080
// (factor 1.48) about 24 and 21 pixels, cap heights of 17 and 15.
constexpr double kLetterPoints = 12;
constexpr double kWordPoints = 10.5;

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
        return QCoreApplication::translate("Form1", "действительное");
    case Labels::Text::Virtual:
        return QCoreApplication::translate("Form1", "мнимое");
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

LessonLayers::Names LessonLayers::names(const BenchState& bench, const PictureBox& left,
                                        const PictureBox& right,
                                        std::initializer_list<const TwipGeometry*> over,
                                        Optics::Notation notation) {
    Names names;
    const RgbValue colour = Palette::of(bench).label;
    const Labels::Scene scene{obstaclesOn(&left, over), obstaclesOn(&right, over)};
    for (const Labels::Mark& mark :
         Labels::labelMarks(bench, measuredSizes(&left), scene, notation)) {
        TextMark text = styled(mark.text);
        text.x = float(mark.x);
        text.y = float(mark.y);
        text.anchor = anchorOf(mark.anchor);
        text.colour = colour;
        (mark.area == Labels::Area::Left ? names.left : names.right).append(text);
    }
    return names;
}
