// SPDX-License-Identifier: GPL-3.0-or-later
// The names layer of the textbook figure: the points named on the two areas
// where they keep clear of the construction and of what stands over it.
#include "figurenames.h"

#include "benchlayout.h"
#include "figurelabels.h"
#include "palette.h"
#include "picturebox.h"
#include "screeninfo.h"

#include <QCoreApplication>
#include <iterator>

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

// A part where it stands for the figure's bench, where that is not where the
// window shows it now.
struct Placed {
    const QObject* part = nullptr;
    float left = 0;
    float top = 0;
    bool visible = true;
};

Labels::Box boxOf(const TwipGeometry& part, const QList<Placed>& placed, double dx, double dy,
                  bool* visible) {
    *visible = part.Visible();
    Labels::Box box = boxOf(part, dx, dy);
    for (const Placed& p : placed)
        if (p.part == dynamic_cast<const QObject*>(&part)) {
            *visible = p.visible;
            box = {p.left - dx, p.top - dy, p.left + part.Width() - dx, p.top + part.Height() - dy};
        }
    return box;
}

// What the names keep clear of on an area: every figure drawn on it, the
// visible controls it holds (the marks, the read-out), and the parts of the
// window that stand over it (the axis, the lens and its arrowheads).
Labels::Obstacles obstaclesOn(const PictureBox* area, const QVector<Figure>& figures,
                              const QList<const TwipGeometry*>& over,
                              const QList<const QObject*>& givingWay, const QList<Placed>& placed) {
    Labels::Obstacles obstacles;
    for (const Figure& f : figures) {
        const double half = f.drawWidth * ScreenInfo::kTwipsPerDesignPixel / 2;
        if (f.kind == Figure::Kind::Line) {
            obstacles.lines.push_back({f.x1, f.y1, f.x2, f.y2, half, f.drawStyle != 0});
        } else {
            const double r = f.radius + half;
            obstacles.boxes.push_back({f.x1 - r, f.y1 - r, f.x1 + r, f.y1 + r});
        }
    }
    if (!area) // no window: the strokes alone
        return obstacles;
    bool visible = false;
    for (const QObject* child : area->children())
        if (const auto* part = dynamic_cast<const TwipGeometry*>(child);
            part && !givingWay.contains(child)) {
            const Labels::Box box = boxOf(*part, placed, 0, 0, &visible);
            if (visible)
                obstacles.boxes.push_back(box);
        }
    for (const TwipGeometry* part : over) {
        const Labels::Box box = boxOf(*part, placed, area->Left(), area->Top(), &visible);
        if (visible)
            obstacles.boxes.push_back(box);
    }
    return obstacles;
}
} // namespace

FigureParts FigureParts::of(const QWidget* window) {
    FigureParts parts;
    if (!window)
        return parts;
    const auto part = [window](const char* name) {
        return window->findChild<const QWidget*>(QString::fromLatin1(name));
    };
    const auto geometry = [&](const char* name) {
        return dynamic_cast<const TwipGeometry*>(part(name));
    };
    parts.left = dynamic_cast<const PictureBox*>(part("picLeft"));
    parts.right = dynamic_cast<const PictureBox*>(part("picRigth"));
    parts.lensBody = geometry("Picture3");
    parts.lensSymbol = geometry("picVexol");
    parts.upperHeads[0] = geometry("picLup");
    parts.upperHeads[1] = geometry("picRup");
    parts.lowerHeads[0] = geometry("picLdown");
    parts.lowerHeads[1] = geometry("picRdown");
    const char* const marks[] = {"shpF1", "shp2F1", "shpF2", "shp2F2"};
    const char* const captions[] = {"lblFleft", "lbl2Fleft", "lblFright", "lbl2Fright"};
    for (int i = 0; i < 4; ++i) {
        parts.marks[i] = geometry(marks[i]);
        parts.captions[i] = part(captions[i]);
    }
    return parts;
}

FigureNames placeFigureNames(const FigureParts& parts, const BenchState& bench,
                             Optics::Notation notation, const QVector<Figure>& leftFigures,
                             const QVector<Figure>& rightFigures, bool ownLayout) {
    const PictureBox* left = parts.left;
    const PictureBox* right = parts.right;
    FigureNames names;
    QList<const TwipGeometry*> lens;
    for (const TwipGeometry* over : {parts.lensBody, parts.lensSymbol, parts.upperHeads[0],
                                     parts.upperHeads[1], parts.lowerHeads[0], parts.lowerHeads[1]})
        if (over)
            lens.append(over);
    const QList<const QObject*> captions(std::begin(parts.captions), std::end(parts.captions));
    // The marks where the bench's focal lengths put them, the lens symbol of
    // the scheme view with its arrowheads as its power turns them.
    QList<Placed> placed;
    if (ownLayout && left && right) {
        const TwipGeometry* f1 = parts.marks[0];
        const TwipGeometry* f2 = parts.marks[2];
        if (f1 && f2) {
            const BenchLayout::MarkLefts at =
                BenchLayout::markLefts(bench.f1, bench.f2, f1->Width(), f2->Width());
            const float lefts[] = {at.f1, at.twoF1, at.f2, at.twoF2};
            for (int i = 0; i < 4; ++i)
                if (const TwipGeometry* shape = parts.marks[i])
                    placed.append({dynamic_cast<const QObject*>(shape), lefts[i], shape->Top(),
                                   shape->Visible()});
        }
        const BenchLayout::ArrowheadTops tops =
            BenchLayout::arrowheadTops(bench.IsConverging != kFalse);
        const auto stand = [&](const TwipGeometry* over, float top) {
            if (over)
                placed.append({dynamic_cast<const QObject*>(over), over->Left(), top, true});
        };
        stand(parts.lensSymbol, parts.lensSymbol ? parts.lensSymbol->Top() : 0);
        for (const TwipGeometry* head : parts.upperHeads)
            stand(head, tops.upper);
        for (const TwipGeometry* head : parts.lowerHeads)
            stand(head, tops.lower);
    }
    const RgbValue colour = Palette::of(bench).label;
    const Labels::Scene scene{obstaclesOn(left, leftFigures, lens, captions, placed),
                              obstaclesOn(right, rightFigures, lens, captions, placed)};
    for (const Labels::Mark& mark : Labels::labelMarks(
             bench, left ? measuredSizes(left) : Labels::estimatedSizes(), scene, notation)) {
        TextMark text = styled(mark.text);
        text.x = float(mark.x);
        text.y = float(mark.y);
        text.anchor = anchorOf(mark.anchor);
        text.colour = colour;
        (mark.area == Labels::Area::Left ? names.left : names.right).append(text);
    }
    return names;
}
