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
            box = {p.left - dx, p.top - dy, p.left + part.Width() - dx,
                   p.top + part.Height() - dy};
        }
    return box;
}

// What the names keep clear of on an area: every figure drawn on it, the
// visible controls it holds (the marks, the read-out), and the parts of the
// window that stand over it (the axis, the lens and its arrowheads).
Labels::Obstacles obstaclesOn(const PictureBox* area, const QVector<Figure>& figures,
                              const QList<const TwipGeometry*>& over,
                              const QList<const QObject*>& givingWay,
                              const QList<Placed>& placed) {
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

FigureNames placeFigureNames(const QWidget* window, const BenchState& bench,
                             Optics::Notation notation, const QVector<Figure>& leftFigures,
                             const QVector<Figure>& rightFigures, bool ownLayout) {
    const auto part = [window](const char* name) {
        return window ? window->findChild<const QWidget*>(QString::fromLatin1(name)) : nullptr;
    };
    const auto* left = dynamic_cast<const PictureBox*>(part("picLeft"));
    const auto* right = dynamic_cast<const PictureBox*>(part("picRigth"));
    FigureNames names;
    QList<const TwipGeometry*> lens;
    for (const char* name : {"Picture3", "picVexol", "picLup", "picRup", "picLdown", "picRdown"})
        if (const auto* over = dynamic_cast<const TwipGeometry*>(part(name)))
            lens.append(over);
    QList<const QObject*> captions;
    for (const char* name : {"lblFleft", "lbl2Fleft", "lblFright", "lbl2Fright"})
        captions.append(part(name));
    // The marks where the bench's focal lengths put them, the lens symbol of
    // the scheme view with its arrowheads as its power turns them.
    QList<Placed> placed;
    if (ownLayout && left && right) {
        const auto* f1 = dynamic_cast<const TwipGeometry*>(part("shpF1"));
        const auto* f2 = dynamic_cast<const TwipGeometry*>(part("shpF2"));
        if (f1 && f2) {
            const BenchLayout::MarkLefts at =
                BenchLayout::markLefts(bench.f1, bench.f2, f1->Width(), f2->Width());
            const auto mark = [&](const char* name, float x) {
                if (const auto* shape = dynamic_cast<const TwipGeometry*>(part(name)))
                    placed.append({part(name), x, shape->Top(), shape->Visible()});
            };
            mark("shpF1", at.f1);
            mark("shp2F1", at.twoF1);
            mark("shpF2", at.f2);
            mark("shp2F2", at.twoF2);
        }
        const BenchLayout::ArrowheadTops tops =
            BenchLayout::arrowheadTops(bench.IsConverging != kFalse);
        for (const TwipGeometry* over : lens) {
            const auto* object = dynamic_cast<const QObject*>(over);
            const QString name = object->objectName();
            const bool upper = name == QLatin1String("picLup") || name == QLatin1String("picRup");
            const bool lower =
                name == QLatin1String("picLdown") || name == QLatin1String("picRdown");
            if (upper || lower || name == QLatin1String("picVexol"))
                placed.append({object, over->Left(),
                               upper ? tops.upper : lower ? tops.lower : over->Top(), true});
        }
    }
    const RgbValue colour = Palette::of(bench).label;
    const Labels::Scene scene{obstaclesOn(left, leftFigures, lens, captions, placed),
                              obstaclesOn(right, rightFigures, lens, captions, placed)};
    for (const Labels::Mark& mark :
         Labels::labelMarks(bench, left ? measuredSizes(left) : Labels::estimatedSizes(), scene,
                            notation)) {
        TextMark text = styled(mark.text);
        text.x = float(mark.x);
        text.y = float(mark.y);
        text.anchor = anchorOf(mark.anchor);
        text.colour = colour;
        (mark.area == Labels::Area::Left ? names.left : names.right).append(text);
    }
    return names;
}
