// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet: A4 landscape, the bench at true size (a centimetre of the
// bench is a centimetre on paper). Page 1 is the task: the lens symbol, the
// axis, the focal marks with their labels and the object, with no number but
// the lens's own. Page 2 is the solution, the textbook figure: the names of
// the points, the object and the image as arrows, all three characteristic
// rays, the read-outs and the kind of image in words. Lines are black or dark
// grey for a greyscale printer; what belongs to a virtual image is dashed, not
// coloured.
#include "worksheet.h"

#include "bench.h"
#include "benchgeometry.h"
#include "benchlens.h"
#include "benchoptics.h"
#include "figurenames.h"
#include "lens.h"
#include "notation.h"
#include "palette.h"
#include "picturebox.h"
#include "raydiagram.h"
#include "readout.h"
#include "reproduciblepdf.h"
#include "safewrite.h"
#include "segmentclip.h"
#include "single.h"
#include "systemdiagram.h"
#include "task.h"
#include "textmark.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {
// The worksheet's texts, in a translation context of their own.
struct Worksheet {
    Q_DECLARE_TR_FUNCTIONS(Worksheet)
};

// Painter units: 1/1440 inch on paper. A bench centimetre of 567 twips becomes
// a paper centimetre of 1440 / 2.54 units.
constexpr double kUnitsPerInch = 1440;
constexpr double kPaperUnitsPerCm = kUnitsPerInch / 2.54;
constexpr double kBenchScale = kPaperUnitsPerCm / Bench::kTwipsPerCm;
constexpr double kBenchWidth = 2 * Bench::kAreaWidth;
constexpr double kHeadingTop = 1.1 * kPaperUnitsPerCm; // the heading's baseline
constexpr double kBenchTop = 1.9 * kPaperUnitsPerCm;   // below the heading, at least
constexpr double kTextGap = 0.6 * kPaperUnitsPerCm;    // bench to the text below
constexpr double kPoint = kUnitsPerInch / 72;          // one typographic point
constexpr double kMarkRadius = 60;                     // bench twips
constexpr double kArrow = 160;                         // arrowhead length, bench twips
constexpr double kMarkPoints = 10;                     // the marks' names, in points
constexpr double kNameGap = 200;                       // a name to its arrow, bench twips
constexpr double kLensHalf = Bench::kAxisY - Bench::kConvergingTop; // the symbol's, bench twips
const QColor kInk(0, 0, 0);
const QColor kGreyInk(70, 70, 70);

QPen pen(const QColor& colour, double points, bool dashed = false) {
    QPen p(colour, points * kPoint / kBenchScale);
    p.setCapStyle(Qt::FlatCap);
    if (dashed)
        p.setDashPattern({6, 4});
    return p;
}

// A stroke of the construction in the pen in force, `left` the twips of its
// area's left edge on the page: a dot (filled or not), or a line whose far end
// is brought in along it, so that the clip does the rest.
void inkStroke(QPainter& p, double left, bool circle, double x1, double y1, double x2, double y2,
               double radius, bool filled) {
    if (!std::isfinite(x1) || !std::isfinite(y1))
        return;
    if (circle) {
        p.setBrush(filled ? QBrush(kInk) : QBrush());
        p.drawEllipse(QPointF(left + x1, y1), radius, radius);
        p.setBrush(Qt::NoBrush);
    } else if (std::isfinite(x2) && std::isfinite(y2)) {
        const QPointF a(left + x1, y1);
        QPointF b(left + x2, y2);
        const double far = 4 * kBenchWidth;
        const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
        if (length > far)
            b = a + (b - a) * (far / length);
        p.drawLine(a, b);
    }
}

// The library's arrowhead (the object's and the image's on the screen), as two
// strokes in the pen in force.
void arrowhead(QPainter& p, QPointF tip, QPointF from, double length = kArrow) {
    const Optics::Arrowhead head =
        Optics::arrowheadAt(tip.x(), tip.y(), from.x(), from.y(), length);
    if (!head.drawn)
        return;
    for (const Optics::Segment& stroke : {head.left, head.right})
        p.drawLine(QPointF(stroke.x1, stroke.y1), QPointF(stroke.x2, stroke.y2));
}

// Everything the two pages share, in bench twips (x from the left edge of the
// left area, y downwards, the lens plane at 7500, the axis at 3990).
// The bench's own parts, in bench twips (x from the left edge of the left
// area, y downwards, the lens plane at 7500, the axis at 3990): the frame, the
// axis, the lens symbol, and with `marks` the focal marks; the marks and the
// object named unless the labels layer names them.
struct Parts {
    bool marks = true;
    bool markNames = true;
    // The part of the bench shown, framed. The whole bench names its media
    // in its lower corners; a cropped part leaves them to its lines.
    QRectF frame{0, 0, kBenchWidth, Bench::kAreaHeight};
    bool whole = true;
    double lensHalf = kLensHalf;
};

QFont benchFont(double points, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points * kPoint / kBenchScale / (kUnitsPerInch / 72));
    font.setBold(bold);
    return font;
}

void drawLensSymbol(QPainter& p, bool converging, double half) {
    // Its arrowheads show what it does, outwards when it gathers light,
    // inwards when it spreads it.
    const QPointF top(Bench::kLensX, Bench::kAxisY - half);
    const QPointF bottom(Bench::kLensX, Bench::kAxisY + half);
    p.setPen(pen(kInk, 2));
    p.drawLine(top, bottom);
    const QPointF up(0, -kArrow);
    if (converging) {
        arrowhead(p, top, top - up);
        arrowhead(p, bottom, bottom + up);
    } else {
        arrowhead(p, top - up, top);
        arrowhead(p, bottom + up, bottom);
    }
}

void drawMarks(QPainter& p, const Optics::FocalLengths& focal, bool primed, bool named,
               const QRectF& frame) {
    if (!focal.finite)
        return;
    // F and 2F where the bench puts them, named as the labels layer names
    // them: a diverging lens has its back focus F′ before it, and with one
    // focal length both foci are F.
    p.setFont(benchFont(kMarkPoints));
    const Optics::MarkDistances at = Optics::markDistances(focal);
    const bool backBefore = focal.front < 0;
    const QString back = primed ? QStringLiteral("F\u2032") : QStringLiteral("F");
    const QString before = backBefore ? back : QStringLiteral("F");
    const QString beyond = backBefore ? QStringLiteral("F") : back;
    const struct {
        double x;
        QString label;
    } marks[] = {{Bench::kLensX - at.objectSide, before},
                 {Bench::kLensX - 2 * at.objectSide, QStringLiteral("2") + before},
                 {Bench::kLensX + at.imageSide, beyond},
                 {Bench::kLensX + 2 * at.imageSide, QStringLiteral("2") + beyond}};
    for (const auto& mark : marks) {
        if (mark.x < frame.left() || mark.x > frame.right())
            continue;
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(mark.x, Bench::kAxisY), kMarkRadius, kMarkRadius);
        if (!named)
            continue;
        p.setPen(kInk);
        const double width = p.fontMetrics().horizontalAdvance(mark.label);
        p.drawText(QPointF(mark.x - width / 2, Bench::kAxisY + 5 * kMarkRadius), mark.label);
    }
    p.setBrush(Qt::NoBrush);
}

// An arrow standing on the axis at x with its tip at (x, y): the object, or an
// image given in a task. Its points are named as the wording names them (AB,
// A′B′), left of the arrow: the tip at its height, the foot under the axis,
// where the marks' names stand.
void drawArrow(QPainter& p, double x, double y, const QPen& with, const QString& tipName,
               const QString& footName) {
    const QPointF foot(x, Bench::kAxisY);
    const QPointF tip(x, y);
    p.setPen(with);
    p.drawLine(foot, tip);
    QPen solid = with;
    solid.setStyle(Qt::SolidLine);
    p.setPen(solid);
    arrowhead(p, tip, foot, Optics::kArrowheadLength);
    p.setFont(benchFont(kMarkPoints));
    p.setPen(kInk);
    const QFontMetricsF metrics = p.fontMetrics();
    p.drawText(QPointF(x - kNameGap - metrics.horizontalAdvance(tipName), y + metrics.ascent() / 2),
               tipName);
    p.drawText(QPointF(x - kNameGap - metrics.horizontalAdvance(footName),
                       Bench::kAxisY + 5 * kMarkRadius),
               footName);
}

void drawTask(QPainter& p, const Worksheets::Model& model, const BenchState& w,
              const Parts& parts) {
    p.setPen(pen(kGreyInk, 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(parts.frame);
    p.setPen(pen(kInk, 0.75));
    p.drawLine(QPointF(parts.frame.left(), Bench::kAxisY),
               QPointF(parts.frame.right(), Bench::kAxisY));

    const Optics::Lens lens = Optics::lensOf(w);
    drawLensSymbol(p, Optics::converges(Optics::power(lens)), parts.lensHalf);
    if (parts.marks)
        drawMarks(p, Bench::focalLengths(lens), !Optics::oneFocalLength(model.notation, lens),
                  parts.markNames, parts.frame);
    if (parts.whole) {
        // The media, by their indices: the lens's own numbers.
        p.setFont(benchFont(kMarkPoints));
        p.setPen(kInk);
        p.drawText(QPointF(200, Bench::kAreaHeight - 200),
                   Worksheet::tr("n1 = %1").arg(readoutText(w.n1).trimmed()));
        p.drawText(QPointF(Bench::kLensX + 200, Bench::kAreaHeight - 200),
                   Worksheet::tr("n2 = %1").arg(readoutText(w.n2).trimmed()));
    }

    // The object: an arrow from the axis to the object point.
    if (w.ObjectPlaced && Optics::objectOnBench(w))
        drawArrow(p, w.ObjectX, w.ObjectY, pen(kInk, 2),
                  parts.markNames ? QStringLiteral("A") : QString(),
                  parts.markNames ? QStringLiteral("B") : QString());
}

// Given with the object in a task of finding a focus: its image, real solid,
// virtual dashed.
void drawGivenImage(QPainter& p, const BenchState& w) {
    const Bench::Image image = Bench::imageOf(Optics::lensOf(w), w.ObjectX, w.ObjectY);
    if (image.kind == Optics::ImageKind::None)
        return;
    const bool real = image.kind == Optics::ImageKind::Real;
    drawArrow(p, real ? Bench::kLensX + image.x : image.x, image.y,
              pen(real ? kInk : kGreyInk, 2, !real), QStringLiteral("A\u2032"),
              QStringLiteral("B\u2032"));
}

// Whether a figure belongs to a virtual image: the model says the image is
// virtual, and the figure stands left of the lens in the colour the bench's
// palette gives a virtual image and the rays' backward extensions.
bool virtualPartOf(const Figure& f, bool virtualImage, bool leftArea,
                   const Palette::Construction& colours) {
    return virtualImage && leftArea &&
           (f.colour == colours.virtualImage || f.colour == colours.extension);
}

bool imageIsVirtual(const BenchState& w) {
    return w.ObjectPlaced && Optics::objectOnBench(w) &&
           Bench::imageOf(Optics::lensOf(w), w.ObjectX, w.ObjectY).kind ==
               Optics::ImageKind::Virtual;
}
// The textbook figure of the bench: the construction as the areas would hold
// it, each figure as an area records it (single precision, with the pen in
// force), and the names placed around it.
struct Drawn {
    BenchState bench; // as the construction leaves it
    QVector<Figure> left;
    QVector<Figure> right;
    FigureNames names;
};

Optics::Pen penOf(const QWidget* window, const char* area) {
    const auto* box =
        window ? window->findChild<const PictureBox*>(QString::fromLatin1(area)) : nullptr;
    if (!box)
        return {};
    return {box->DrawWidth(), box->DrawStyle(), box->FillStyle(), box->FillColor(),
            box->ForeColor()};
}

// In the scheme view with the names and all three rays, whatever the window
// shows: a page's solution is always the whole figure. The window is only
// read; `ownBench`: the bench is not the window's (a task of a class set), so
// the names keep clear of its marks and lens where they would stand.
Drawn textbookFigure(const Worksheets::Model& model, const BenchState& bench, bool ownBench) {
    Drawn drawn;
    drawn.bench = bench;
    if (bench.ObjectPlaced) {
        drawn.bench.SchemeView = kTrue;
        drawn.bench.ShowLabels = kTrue;
        drawn.bench.ShowThirdRay = kTrue;
        drawn.bench.ConstructionShown = kFalse;
        const Optics::Construction construction = Optics::rayDiagram(
            drawn.bench, penOf(model.window, "picLeft"), penOf(model.window, "picRigth"));
        for (const Optics::Stroke& s : construction.strokes) {
            Figure f;
            f.kind = s.circle ? Figure::Kind::Circle : Figure::Kind::Line;
            f.x1 = toSingle(s.x1);
            f.y1 = toSingle(s.y1);
            f.x2 = s.circle ? f.x1 : toSingle(s.x2);
            f.y2 = s.circle ? f.y1 : toSingle(s.y2);
            f.radius = s.circle ? toSingle(s.radius) : 0;
            f.colour = s.colour;
            f.drawWidth = s.pen.width;
            f.drawStyle = s.pen.style;
            f.fillStyle = s.pen.fillStyle;
            f.fillColour = s.pen.fillColour;
            (s.area == Optics::Area::Left ? drawn.left : drawn.right).append(f);
        }
        drawn.bench = construction.bench;
    }
    if (drawn.bench.ShowLabels && model.layersShown)
        drawn.names = placeFigureNames(FigureParts::of(model.window), drawn.bench, model.notation,
                                       drawn.left, drawn.right, ownBench);
    return drawn;
}

// The construction, each area at its place: rays solid black, lines of a
// virtual image dashed grey.
void drawConstruction(QPainter& p, const Drawn& drawn, const QRectF& frame) {
    const bool virtualImage = imageIsVirtual(drawn.bench);
    const Palette::Construction& colours = Palette::of(drawn.bench);
    p.save();
    p.setClipRect(frame);
    const struct {
        const QVector<Figure>& figures;
        double left;
    } areas[] = {{drawn.left, 0}, {drawn.right, Bench::kLensX}};
    for (const auto& area : areas) {
        for (const Figure& f : area.figures) {
            const bool virtualPart = virtualPartOf(f, virtualImage, area.left == 0, colours);
            const bool dashed = f.drawStyle != 0 || virtualPart;
            p.setPen(pen(virtualPart ? kGreyInk : kInk, 0.6 * std::max(1, f.drawWidth), dashed));
            inkStroke(p, area.left, f.kind == Figure::Kind::Circle, f.x1, f.y1, f.x2, f.y2,
                      f.radius, f.fillStyle == 0 && !virtualPart);
        }
    }
    p.restore();
}

// The names the labels layer placed on each area, in black: where the screen
// shows them, clear of every stroke, at the size they are laid out in. Within
// a cropped figure's frame, if one is given, whole or not at all.
void drawNames(QPainter& p, const FigureNames& names, const QRectF& frame) {
    const struct {
        const QVector<TextMark>& marks;
        double left;
    } areas[] = {{names.left, 0}, {names.right, Bench::kLensX}};
    p.setPen(kInk);
    for (const auto& area : areas) {
        for (const TextMark& mark : area.marks) {
            p.setFont(benchFont(mark.points, mark.bold));
            const QFontMetricsF metrics = p.fontMetrics();
            const double width = metrics.horizontalAdvance(mark.text);
            const bool right = mark.anchor == TextMark::Anchor::TopRight ||
                               mark.anchor == TextMark::Anchor::BottomRight;
            const bool bottom = mark.anchor == TextMark::Anchor::BottomLeft ||
                                mark.anchor == TextMark::Anchor::BottomRight;
            const double x = area.left + mark.x - (right ? width : 0);
            const double baseline = bottom ? mark.y - metrics.descent() : mark.y + metrics.ascent();
            // A name the frame would cut is left to the lines beside it.
            if (!frame.isNull() &&
                !frame.contains(QRectF(x, baseline - metrics.ascent(), width, metrics.height())))
                continue;
            p.drawText(QPointF(x, baseline), mark.text);
        }
    }
}

// The figure of a page or a piece, in bench twips: the task's parts, the
// given image, or the textbook figure of the solution, within the frame.
void drawFigure(QPainter& p, const Worksheets::Model& model, const BenchState& bench, bool ownBench,
                Worksheets::Shows shows, Parts parts) {
    using Worksheets::Shows;
    const bool solution = shows == Shows::Solution;
    parts.marks = shows != Shows::FocusTask;
    parts.markNames = !solution;
    if (!solution) {
        drawTask(p, model, bench, parts);
        if (shows == Shows::FocusTask)
            drawGivenImage(p, bench);
        return;
    }
    const Drawn drawn = textbookFigure(model, bench, ownBench);
    drawTask(p, model, drawn.bench, parts);
    drawConstruction(p, drawn, parts.frame);
    drawNames(p, drawn.names, parts.whole ? QRectF() : parts.frame);
}

// What a piece's construction needs of the bench, in bench twips: the frame
// and the lens symbol's half height. Up and down: the object and the image
// with room for their names, the lens a little taller, taken to the next half
// centimetre, so that neither tells more of the image than the tolerance of
// a click. Along the axis, for the image sought: the object, the marks and
// the image, to the next centimetre beyond them; for a focus sought the
// object, the image and the longest focal length a task has, so that the
// edges say nothing of where a focus lies.
Parts cropOf(const BenchState& w, Worksheets::Shows shows) {
    const double halfCm = Bench::kTwipsPerCm / 2;
    const auto outTo = [](double twips, double grain) { return grain * std::ceil(twips / grain); };
    const Optics::Lens lens = Optics::lensOf(w);
    const Bench::Image image = Bench::imageOf(lens, w.ObjectX, w.ObjectY);
    const bool imaged = image.kind != Optics::ImageKind::None;
    const double objectUp = std::fabs(Bench::kAxisY - w.ObjectY);
    const double imageUp = imaged ? std::fabs(Bench::kAxisY - image.y) : 0;
    const double names = 0.6 * Bench::kTwipsPerCm; // a name beside an arrow or under the axis
    Parts parts;
    parts.whole = false;
    parts.lensHalf = outTo(std::max({objectUp, imageUp, 2 * halfCm}) + names, halfCm);
    const double half = parts.lensHalf + Bench::kTwipsPerCm / 8;
    const Optics::FocalLengths focal = Bench::focalLengths(lens);
    double before = Bench::kLensX - w.ObjectX;
    double beyond = 0;
    if (shows == Worksheets::Shows::FocusTask || !focal.finite) {
        before = std::max(before, Bench::twipsOf(Tasks::kLongestFocal));
        beyond = Bench::twipsOf(Tasks::kLongestFocal);
    } else {
        const Optics::MarkDistances at = Optics::markDistances(focal);
        before = std::max(before, 2 * at.objectSide);
        beyond = 2 * at.imageSide;
    }
    if (imaged && image.kind == Optics::ImageKind::Real)
        beyond = std::max(beyond, image.x);
    else if (imaged)
        before = std::max(before, Bench::kLensX - image.x);
    const double left = std::max(0.0, Bench::kLensX - outTo(before, Bench::kTwipsPerCm) - names);
    const double right =
        std::min(kBenchWidth, Bench::kLensX + outTo(beyond, Bench::kTwipsPerCm) + names);
    parts.frame = QRectF(QPointF(left, Bench::kAxisY - half), QPointF(right, Bench::kAxisY + half));
    return parts;
}

// The same for a system of two lenses, on its task and its key alike: both
// lenses, their foci, the object, and the first and the final image where
// they lie on the bench (A₁B₁ of lenses in contact may lie far beyond it),
// to the next centimetre beyond them, so that the edges tell no more of the
// images than the tolerance of a click.
Parts systemCropOf(const BenchState& w, const Optics::SecondLens& second) {
    const double halfCm = Bench::kTwipsPerCm / 2;
    const auto outTo = [](double twips, double grain) { return grain * std::ceil(twips / grain); };
    const double names = 0.6 * Bench::kTwipsPerCm;
    const Optics::Axial::System system =
        Optics::withSecondLens(Optics::constructionSystem(w), second);
    double before = Bench::kLensX - w.ObjectX;
    double beyond = Bench::twipsOf(second.distance);
    double up = std::max(std::fabs(Bench::kAxisY - w.ObjectY), 2 * halfCm);
    const auto take = [&](double z, double height) {
        const double x = Bench::xOf(z);
        if (!std::isfinite(x) || x < 0 || x > kBenchWidth)
            return;
        before = std::max(before, Bench::kLensX - x);
        beyond = std::max(beyond, x - Bench::kLensX);
        if (std::fabs(Bench::twipsOf(height)) < Bench::kAreaHeight)
            up = std::max(up, std::fabs(Bench::twipsOf(height)));
    };
    if (Optics::Axial::valid(system)) {
        for (std::size_t k = 0; k < system.elements.size(); ++k) {
            const Optics::Axial::Focus focus = Optics::Axial::focusOf(system, k);
            if (focus.finite) {
                take(focus.frontPoint, 0);
                take(focus.backPoint, 0);
            }
        }
        for (const Optics::Axial::Image& image : Optics::Axial::imagesOf(system))
            if (image.kind != Optics::ImageKind::None)
                take(image.z, image.height);
    }
    Parts parts;
    parts.whole = false;
    parts.lensHalf = outTo(up + names, halfCm);
    const double half = parts.lensHalf + Bench::kTwipsPerCm / 8;
    const double left = std::max(0.0, Bench::kLensX - outTo(before, Bench::kTwipsPerCm) - names);
    const double right =
        std::min(kBenchWidth, Bench::kLensX + outTo(beyond, Bench::kTwipsPerCm) + names);
    parts.frame = QRectF(QPointF(left, Bench::kAxisY - half), QPointF(right, Bench::kAxisY + half));
    return parts;
}

// The optical system's figure, at the same true size: both lenses with their
// foci, the object, and on the solution the construction stage by stage, the
// first image A₁B₁ as the object of the second lens, the final image A₂B₂.
// Lengths are the library's, the figure the one the window draws.
namespace {
double pageX(const Optics::DiagramPoint& point) {
    return point.area == Optics::Area::Left ? point.x : Bench::kLensX + point.x;
}

// The names of a system's figure, placed as the bench places its names
// (LensFigure::Namer): each at the one of its places that is inside the
// frame, clear of the names before it and of the points marked, and over the
// fewest strokes (the earliest of those); where none is clear, the first.
// The first place is the textbook's: a tip's name left of it at its height,
// a point of the axis's centred under the axis (over it where an arrow hangs
// below), a lens's or a line's centred at the height given, a medium's index
// after the place it begins. The others are beside it, then farther out.
enum class Beside { Tip, UnderAxis, OverAxis, Centred, After };
struct SheetNames {
    QPainter& p;
    QRectF frame;
    std::vector<QLineF> lines = {};
    std::vector<QRectF> points = {};
    std::vector<QRectF> taken = {};

    void line(QPointF a, QPointF b) {
        if (const auto seen = clipSegment(QLineF(a, b), frame))
            lines.push_back(seen->line);
    }
    void point(QPointF at, double radius) {
        points.emplace_back(at.x() - radius, at.y() - radius, 2 * radius, 2 * radius);
    }

    // The strokes a name's box would lie over; none where it may not stand
    // (cut by the frame, over another name or a point).
    std::optional<int> over(const QRectF& box) const {
        if (!frame.contains(box))
            return std::nullopt;
        // Two names a millimetre apart still read as two.
        const QRectF kept = box.adjusted(-kMarkRadius, 0, kMarkRadius, 0);
        const auto hits = [&](const QRectF& other) { return kept.intersects(other); };
        if (std::any_of(taken.begin(), taken.end(), hits) ||
            std::any_of(points.begin(), points.end(), hits))
            return std::nullopt;
        return int(std::count_if(lines.begin(), lines.end(),
                                 [&](const QLineF& l) { return bool(clipSegment(l, box)); }));
    }

    void put(const QString& name, const Optics::DiagramPoint& point, Beside where) {
        if (!point.shown || name.isEmpty())
            return;
        p.setFont(benchFont(kMarkPoints));
        const QFontMetricsF metrics = p.fontMetrics();
        const double w = metrics.horizontalAdvance(name), h = metrics.height();
        const double x = pageX(point);
        // The first place's box (left, top), then the others by their shifts.
        QPointF first;
        std::vector<QPointF> shifts;
        const double side = w / 2 + kNameGap, up = h + 2 * kMarkRadius;
        switch (where) {
        case Beside::Tip:
            first = {x - kNameGap - w, point.y - metrics.ascent() / 2};
            shifts = {{0, 0}, {w + 2 * kNameGap, 0},  {0, -h},
                      {0, h}, {w + 2 * kNameGap, -h}, {w + 2 * kNameGap, h}};
            break;
        case Beside::UnderAxis:
        case Beside::OverAxis: {
            const double under = Bench::kAxisY + 5 * kMarkRadius - metrics.ascent();
            const double over = Bench::kAxisY - 3 * kMarkRadius - metrics.ascent();
            const bool below = where == Beside::UnderAxis;
            first = {x - w / 2, below ? under : over};
            const double across = below ? over - under : under - over;
            shifts = {{0, 0}, {side, 0}, {-side, 0}, {0, across}, {side, across}, {-side, across}};
            break;
        }
        case Beside::Centred:
            first = {x - w / 2, point.y - metrics.ascent()};
            shifts = {{0, 0}, {side, 0}, {-side, 0}, {0, up}, {0, -up}};
            break;
        case Beside::After:
            first = {x + kNameGap, point.y - metrics.ascent()};
            shifts = {{0, 0}, {0, -up}, {0, -2 * up}};
            break;
        }
        const auto boxAt = [&](QPointF shift, double farther) {
            return QRectF(first + shift * farther, QSizeF(w, h));
        };
        // The place over the fewest strokes, the earlier of two alike.
        std::optional<QRectF> chosen;
        int least = 0;
        for (const double farther : {1.0, 1.5})
            for (const QPointF& shift : shifts) {
                const QRectF box = boxAt(shift, farther);
                const std::optional<int> strokes = this->over(box);
                if (strokes && (!chosen || *strokes < least))
                    chosen = box, least = *strokes;
            }
        // A name the frame would cut is left out, as on the single lens's figure.
        if (!chosen && !frame.contains(boxAt({0, 0}, 1)))
            return;
        const QRectF box = chosen.value_or(boxAt({0, 0}, 1));
        taken.push_back(box);
        p.setPen(kInk);
        p.drawText(QPointF(box.left(), box.top() + metrics.ascent()), name);
    }
};

// A digit as a subscript: the lens or the image it belongs to.
QString lower(std::size_t k) {
    return k < 10 ? QString(QChar(0x2080 + int(k))) : QString::number(k);
}

// The system the page draws, in bench cm with the bench's lens line at z = 0:
// the bench's lens and the second one, or a scene's elements; the diagram of
// its construction, and each element's half height (cm).
struct SystemFigure {
    Optics::SystemDiagram d;
    std::vector<double> halves;
};

SystemFigure systemFigure(const Worksheets::Model& model, double lensHalf) {
    BenchState bench = model.bench;
    bench.SchemeView = kTrue;
    bench.ShowLabels = kTrue;
    bench.ShowThirdRay = kTrue;
    const Optics::Pen left = penOf(model.window, "picLeft");
    const Optics::Pen right = penOf(model.window, "picRigth");
    const Worksheets::System& system = model.system;
    SystemFigure figure;
    if (system.secondLens) {
        figure.d = Optics::systemDiagram(bench, *system.secondLens, left, right);
        figure.halves.assign(2, Bench::cmOf(lensHalf));
        return figure;
    }
    const Optics::Axial::System& scene = *system.scene;
    for (std::size_t i = 0; i < scene.elements.size(); ++i)
        figure.halves.push_back(i < system.apertures.size() && system.apertures[i] > 0
                                    ? system.apertures[i]
                                    : Bench::cmOf(kLensHalf));
    if (figure.halves.empty())
        figure.halves.push_back(1);
    figure.d =
        system.distantAngle
            ? Optics::distantDiagram(scene, *system.distantAngle, bench, figure.halves, left, right)
            : Optics::systemDiagram(scene, bench, figure.halves, left, right);
    return figure;
}

// Within the parts' frame: the whole bench on a page, a crop on a piece.
void drawSystemFigure(QPainter& p, const Worksheets::Model& model, bool solution,
                      const Parts& parts = {}) {
    const SystemFigure figure = systemFigure(model, parts.lensHalf);
    const Optics::SystemDiagram& d = figure.d;
    const Optics::Axial::System& system = d.system;
    const QRectF frame = parts.frame;
    p.setPen(pen(kGreyInk, 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
    p.setPen(pen(kInk, 0.75));
    p.drawLine(QPointF(frame.left(), Bench::kAxisY), QPointF(frame.right(), Bench::kAxisY));

    const auto onAxis = [](double z) {
        Optics::DiagramPoint point;
        point.shown = std::isfinite(z) && std::fabs(Bench::twipsOf(z)) < Bench::kFar;
        point.area = Optics::Area::Left;
        point.x = Bench::xOf(z);
        point.y = Bench::kAxisY;
        return point;
    };
    const auto halfOf = [&](std::size_t k) {
        return Bench::twipsOf(figure.halves[std::min(k, figure.halves.size() - 1)]);
    };
    // What the names keep clear of: the lenses, their foci, the scene's lines
    // and points, the object's arrow, and on the solution the construction.
    SheetNames names{p, frame};
    const std::size_t count = system.elements.size();
    for (std::size_t k = 0; k < count; ++k) {
        const double x = Bench::xOf(system.elements[k].z);
        names.line({x, Bench::kAxisY - halfOf(k)}, {x, Bench::kAxisY + halfOf(k)});
        const Optics::Axial::Focus focus = Optics::Axial::focusOf(system, k);
        if (focus.finite)
            for (const double at : {focus.frontPoint, focus.backPoint})
                if (onAxis(at).shown)
                    names.point({onAxis(at).x, Bench::kAxisY}, kMarkRadius);
    }
    for (const Worksheets::Across& line : model.system.across) {
        const double x = onAxis(line.z).x, half = Bench::twipsOf(line.halfHeight);
        if (half > 0)
            names.line({x, Bench::kAxisY - half}, {x, Bench::kAxisY + half});
        else
            names.point({x, Bench::kAxisY}, kMarkRadius);
    }
    if (d.object.shown && !model.system.distantAngle)
        names.line({d.object.x, Bench::kAxisY}, {d.object.x, d.object.y});
    if (solution)
        for (const Optics::Stroke& s : d.rays.strokes)
            if (!s.circle) {
                const double left = s.area == Optics::Area::Left ? 0 : Bench::kLensX;
                names.line({left + s.x1, s.y1}, {left + s.x2, s.y2});
            }
    // Each element as the bench draws a lens, at its place and height, named
    // under it where the scene names it; its foci, F and F′ where its media or
    // the notation give it two focal lengths.
    for (std::size_t k = 0; k < count; ++k) {
        const double z = system.elements[k].z;
        p.save();
        p.translate(Bench::twipsOf(z), 0);
        drawLensSymbol(p, Optics::Axial::power(system, k) >= 0, halfOf(k));
        p.restore();
        if (k < model.system.elementNames.size() && !model.system.elementNames[k].isEmpty()) {
            Optics::DiagramPoint under = onAxis(z);
            under.y = Bench::kAxisY + halfOf(k) + 6 * kMarkRadius;
            names.put(model.system.elementNames[k], under, Beside::Centred);
        }
        const Optics::Axial::Focus focus = Optics::Axial::focusOf(system, k);
        const auto* thin = std::get_if<Optics::Axial::ThinLens>(&system.elements[k].kind);
        if (!focus.finite || !thin)
            continue;
        const Optics::Lens lens{Optics::Axial::indexBefore(system, k), thin->N,
                                Optics::Axial::indexAfter(system, k), thin->R1, thin->R2};
        const QString index = count > 1 ? lower(k + 1) : QString();
        const bool one = Optics::oneFocalLength(model.notation, lens);
        for (const auto& [at, name] :
             {std::pair{focus.frontPoint, QStringLiteral("F") + index},
              std::pair{focus.backPoint, QStringLiteral("F") + index +
                                             (one ? QString() : QStringLiteral("\u2032"))}}) {
            const Optics::DiagramPoint mark = onAxis(at);
            if (!mark.shown || !frame.contains(QPointF(mark.x, mark.y)))
                continue;
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            p.drawEllipse(QPointF(mark.x, mark.y), kMarkRadius, kMarkRadius);
            p.setBrush(Qt::NoBrush);
            names.put(name, mark, Beside::UnderAxis);
        }
    }
    // A scene's lines across the axis (a retina, a screen) and its points on
    // it (the eye's place, a far or near point).
    for (const Worksheets::Across& line : model.system.across) {
        Optics::DiagramPoint at = onAxis(line.z);
        if (at.x < 0 || at.x > kBenchWidth)
            continue;
        const double half = Bench::twipsOf(line.halfHeight);
        p.setPen(pen(kInk, 1.5));
        p.setFont(benchFont(kMarkPoints));
        if (half > 0) {
            // Named centred above its top end.
            p.drawLine(QPointF(at.x, Bench::kAxisY - half), QPointF(at.x, Bench::kAxisY + half));
            at.y = Bench::kAxisY - half - 2 * kMarkRadius;
            names.put(line.name, at, Beside::Centred);
        } else {
            p.drawEllipse(QPointF(at.x, Bench::kAxisY), kMarkRadius, kMarkRadius);
            names.put(line.name, at, Beside::OverAxis);
        }
    }
    // The media by their indices, each where it begins: n1 before the first
    // element, n2 behind it, and so on; a piece leaves them to its lines.
    for (std::size_t i = 0; i < system.media.size() && parts.whole; ++i) {
        Optics::DiagramPoint begins = onAxis(i == 0 ? 0 : system.elements[i - 1].z);
        begins.x = i == 0 ? 0 : begins.x;
        begins.y = Bench::kAreaHeight - 200;
        begins.shown = true;
        if (begins.x < 0 || begins.x + 1600 > kBenchWidth)
            continue;
        names.put(QStringLiteral("n%1 = %2").arg(i + 1).arg(readoutText(system.media[i]).trimmed()),
                  begins, Beside::After);
    }

    if (!solution && model.system.distantAngle && count > 0) {
        // A distant object is given by its light's direction: the ray of the
        // parallel pencil through the first element's centre.
        const double z0 = system.elements.front().z;
        const QPointF centre(Bench::xOf(z0), Bench::kAxisY);
        const QPointF from(
            0, Bench::kAxisY - Bench::twipsOf(*model.system.distantAngle * (z0 - Bench::zOf(0))));
        p.setPen(pen(kInk, 1.2));
        p.drawLine(from, centre);
        arrowhead(p, (from + centre) / 2, from);
    }
    if (!solution) {
        if (d.object.shown && !model.system.distantAngle) {
            p.setPen(pen(kInk, 2));
            p.drawLine(QPointF(d.object.x, Bench::kAxisY), QPointF(d.object.x, d.object.y));
            arrowhead(p, QPointF(d.object.x, d.object.y), QPointF(d.object.x, Bench::kAxisY),
                      Optics::kArrowheadLength);
            names.put(QStringLiteral("A"), d.object, Beside::Tip);
            names.put(QStringLiteral("B"), d.objectFoot,
                      d.object.y < Bench::kAxisY ? Beside::UnderAxis : Beside::OverAxis);
        }
        return;
    }
    // The construction: rays solid black; what only seems to meet (extensions,
    // a virtual image, a virtual object of the second lens) dashed grey.
    const Palette::Construction& colours = Palette::of(model.bench);
    p.save();
    p.setClipRect(frame);
    for (const Optics::Stroke& s : d.rays.strokes) {
        const double left = s.area == Optics::Area::Left ? 0 : Bench::kLensX;
        const bool seeming = s.role == Optics::Role::BackwardExtension ||
                             s.colour == colours.virtualImage || s.colour == colours.extension;
        p.setPen(pen(seeming ? kGreyInk : kInk, 0.6 * std::max(1, s.pen.width),
                     s.pen.style != 0 || s.role == Optics::Role::BackwardExtension));
        inkStroke(p, left, s.circle, s.x1, s.y1, s.x2, s.y2, s.radius,
                  s.pen.fillStyle == 0 && !seeming);
    }
    p.restore();
    // The object AB and each image, A₁B₁ after the first element and so on:
    // the tip named beside it, the foot on the side of the axis the arrow
    // leaves free.
    const auto name = [&](const QString& index, const Optics::DiagramPoint& tip,
                          const Optics::DiagramPoint& foot) {
        names.put(QStringLiteral("A") + index, tip, Beside::Tip);
        names.put(QStringLiteral("B") + index, foot,
                  tip.y < Bench::kAxisY ? Beside::UnderAxis : Beside::OverAxis);
    };
    if (!model.system.distantAngle)
        name(QString(), d.object, d.objectFoot);
    for (std::size_t k = 0; k < d.imageTips.size() && k < d.imageFeet.size(); ++k)
        name(lower(k + 1), d.imageTips[k], d.imageFeet[k]);
}
} // namespace

// Painter units to the page: the top line's heading, then the bench at true
// size, then the lines below it.
void drawPage(QPainter& p, const Worksheets::Model& model, const Worksheets::Page& content,
              const QSizeF& page) {
    const double left = (page.width() - kBenchWidth * kBenchScale) / 2;
    QFont heading(QStringLiteral("Liberation Sans"));
    heading.setPointSizeF(14);
    QFont body(QStringLiteral("Liberation Sans"));
    body.setPointSizeF(11);
    p.setPen(kInk);
    p.setFont(heading);
    const double line = 0.5 * kPaperUnitsPerCm;
    double y = kHeadingTop;
    p.drawText(QPointF(left, y), content.title);
    p.setFont(body);
    for (const QString& text : content.above)
        p.drawText(QPointF(left, y += line), text);
    const double benchTop = std::max(kBenchTop, y + kTextGap);

    p.save();
    p.translate(left, benchTop);
    p.scale(kBenchScale, kBenchScale);
    if (model.system.shown())
        drawSystemFigure(p, model, content.shows == Worksheets::Shows::Solution);
    else
        drawFigure(p, model, model.bench, false, content.shows, {});
    p.restore();

    y = benchTop + Bench::kAreaHeight * kBenchScale + kTextGap;
    p.setFont(body);
    for (const QString& text : content.below) {
        if (!text.isEmpty())
            p.drawText(QPointF(left, y), text);
        y += line;
    }
}

bool paint(const Worksheets::Model& model, QPagedPaintDevice* device,
           const Worksheets::Filler& fill) {
    QPainter p;
    if (!p.begin(device))
        return false;
    Worksheets::Pages pages(model, p, *device);
    const bool filled = fill(pages);
    return p.end() && filled;
}
} // namespace

namespace Worksheets {

void prepare(QPagedPaintDevice* device) {
    device->setPageSize(QPageSize(QPageSize::A4));
    device->setPageOrientation(QPageLayout::Landscape);
    device->setPageMargins(QMarginsF(0, 0, 0, 0));
}

Pages::Pages(const Model& model, QPainter& painter, QPagedPaintDevice& device)
    : m_model(model), m_painter(painter), m_device(device) {}

bool Pages::nextPage() {
    m_onPage = 0;
    return m_count++ == 0 || m_device.newPage();
}

// Pieces share a page: the bench cropped at true size, its lines beside it
// where the page leaves a column wide enough to read them, else above it.
namespace {
constexpr double kSheetMargin = 0.7 * kPaperUnitsPerCm;
constexpr double kPieceGap = 0.3 * kPaperUnitsPerCm;
constexpr double kColumnGap = 0.5 * kPaperUnitsPerCm;
constexpr double kNarrowestColumn = 5.5 * kPaperUnitsPerCm;

QFont sheetFont(double points, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Lines set in a column of this width, each wrapped at its words; the height
// they take, and with `draw` drawn from (x, y).
double setLines(QPainter& p, const QStringList& lines, double x, double y, double width,
                bool draw) {
    const double top = y;
    for (int i = 0; i < lines.size(); ++i) {
        p.setFont(sheetFont(11, i == 0));
        const QRectF box = p.fontMetrics().boundingRect(QRectF(x, y, width, 1e6).toRect(),
                                                        Qt::TextWordWrap, lines[i]);
        if (draw)
            p.drawText(QRectF(x, y, width, box.height()), Qt::TextWordWrap, lines[i]);
        y += box.height() + 0.1 * kPaperUnitsPerCm;
    }
    return y - top;
}
} // namespace

bool Pages::beginSheet(const QStringList& heading) {
    m_heading = heading;
    m_onPage = 0;
    return true;
}

bool Pages::addPiece(const Piece& piece) {
    const double units = kUnitsPerInch / m_device.logicalDpiX();
    const QSizeF page(m_device.width() * units, m_device.height() * units);
    const double width = page.width() - 2 * kSheetMargin;
    m_painter.save();
    m_painter.scale(1 / units, 1 / units);
    const auto placed = [&] {
        const Parts crop = piece.second ? systemCropOf(piece.bench, *piece.second)
                                        : cropOf(piece.bench, piece.shows);
        const QRectF frame = crop.frame;
        const QSizeF figure = frame.size() * kBenchScale;
        // The lines beside the figure where a column is left for them, else
        // above it.
        const bool beside = width - figure.width() - kColumnGap >= kNarrowestColumn;
        const double column = beside ? width - figure.width() - kColumnGap : width;
        const double text = setLines(m_painter, piece.lines, 0, 0, column, false);
        const double textGap = 0.2 * kPaperUnitsPerCm;
        const double height =
            beside ? std::max(text, figure.height()) : text + textGap + figure.height();
        if (m_onPage == 0 || m_y + height > page.height() - kSheetMargin) {
            if (!nextPage())
                return false;
            m_painter.setPen(kInk);
            double y = kSheetMargin;
            for (int i = 0; i < m_heading.size(); ++i) {
                m_painter.setFont(sheetFont(i == 0 ? 14 : 11));
                y += m_painter.fontMetrics().height();
                m_painter.drawText(QPointF(kSheetMargin, y), m_heading[i]);
            }
            m_y = y + kPieceGap;
        }
        m_painter.setPen(kInk);
        const double textX = beside ? kSheetMargin + figure.width() + kColumnGap : kSheetMargin;
        setLines(m_painter, piece.lines, textX, m_y, column, true);
        const double figureTop = beside ? m_y : m_y + text + textGap;
        m_painter.save();
        m_painter.translate(kSheetMargin, figureTop);
        m_painter.scale(kBenchScale, kBenchScale);
        m_painter.translate(-frame.topLeft());
        if (piece.second)
            drawSystemFigure(m_painter, modelOf(m_model, piece.bench, piece.second),
                             piece.shows == Shows::Solution, crop);
        else
            drawFigure(m_painter, m_model, piece.bench, true, piece.shows, crop);
        m_painter.restore();
        m_y += height + kPieceGap;
        ++m_onPage;
        return true;
    };
    const bool done = placed();
    m_painter.restore();
    return done;
}

bool Pages::add(const Page& page) {
    if (m_count++ > 0 && !m_device.newPage())
        return false;
    const double units = kUnitsPerInch / m_device.logicalDpiX();
    m_painter.save();
    m_painter.scale(1 / units, 1 / units);
    const QSizeF size(m_device.width() * units, m_device.height() * units);
    drawPage(m_painter, m_model, page, size);
    m_painter.restore();
    return true;
}

std::optional<QByteArray> pdf(const Model& model, const QString& title, const Filler& fill) {
    return ReproduciblePdf::make(title, [&](QPdfWriter& writer) {
        prepare(&writer);
        writer.setResolution(int(kUnitsPerInch));
        return paint(model, &writer, fill);
    });
}

bool writePdf(const Model& model, const QString& path, const QString& title, const Filler& fill,
              QString* why) {
    const std::optional<QByteArray> document = pdf(model, title, fill);
    if (!document) {
        *why = Worksheet::tr("не удалось нарисовать рабочий лист");
        return false;
    }
    *why = SafeWrite::write(path, *document);
    return why->isEmpty();
}

bool print(const Model& model, QPagedPaintDevice* device, const Filler& fill) {
    return paint(model, device, fill);
}

// The lens's read-outs as the window writes them for this bench.
QString lensLine(const Model& model, const BenchState& w, bool withFocus) {
    const Optics::Lens lens = Optics::lensOf(w);
    const auto radius = [&](double r) {
        return Readout::centimetresOf(model.scale.realOfBenchCm(std::fabs(r)));
    };
    const QString line =
        Worksheet::tr("Линза: N = %1, R = %2 (слева), R = %3 (справа)")
            .arg(readoutText(w.N).trimmed(), radius(lens.leftR), radius(lens.rightR));
    if (!withFocus)
        return line;
    const QString focal =
        model.lensShown ? Readout::focalLengths(model.notation, lens, model.scale) : QString();
    const QString power =
        model.lensShown ? Readout::power(model.notation, lens, model.scale) : QString();
    return line + QStringLiteral("; ") + focal + QStringLiteral("   ") + power;
}

QString mediaLine(const BenchState& w) {
    return Worksheet::tr("Среда слева n1 = %1, справа n2 = %2.")
        .arg(readoutText(w.n1).trimmed(), readoutText(w.n2).trimmed());
}

// The bench is printed at its own size: a centimetre on the sheet is a
// centimetre of the bench, which stands for K real ones.
QString scaleLine(Optics::Scale scale) {
    return Worksheet::tr("%1 (1 см на листе — %2 см).")
        .arg(Readout::scaleText(scale))
        .arg(scale.factor());
}

namespace {
QString indexed(const char* letter, int k) {
    return Readout::letter(letter) + (k == 1 ? QStringLiteral("\u2081") : QStringLiteral("\u2082"));
}
QString equals(const QString& name, const QString& value) {
    return name + QStringLiteral(" = ") + value;
}
} // namespace

// The second lens as a line: its index and radii, its place behind the first,
// and with `withFocus` its focal lengths and power between its media.
QString secondLensLine(const Model& model, bool withFocus) {
    const Optics::SecondLens& second = *model.system.secondLens;
    const Optics::Axial::System system =
        Optics::withSecondLens(Optics::constructionSystem(model.bench), second);
    const Optics::Lens lens = Optics::lensBetween(second, Optics::Axial::indexBefore(system, 1));
    const auto cm = [&](double benchCm) {
        return Readout::centimetresOf(model.scale.realOfBenchCm(benchCm));
    };
    QString line = Worksheet::tr("Вторая линза: N = %1, R = %2 (слева), R = %3 (справа), "
                                 "O₁O₂ = %4")
                       .arg(readoutText(second.lens.N).trimmed(), cm(std::fabs(second.lens.R1)),
                            cm(std::fabs(second.lens.R2)), cm(second.distance));
    if (withFocus && model.lensShown)
        line += QStringLiteral("; ") + Readout::focalLengths(model.notation, lens, model.scale) +
                QStringLiteral("   ") + Readout::power(model.notation, lens, model.scale);
    return line;
}

// The system's answer, computed by the library from the system drawn: the
// distances, the final image's kind and the magnifications Γ₁, Γ₂, Γ = Γ₁·Γ₂.
QStringList systemAnswer(const Model& model) {
    const Optics::Letters& l = Optics::lettersOf(model.notation);
    const auto cm = [&](double benchCm) {
        return Readout::centimetresOf(model.scale.realOfBenchCm(benchCm));
    };
    const Optics::Axial::System system =
        Optics::withSecondLens(Optics::constructionSystem(model.bench), *model.system.secondLens);
    if (!model.bench.ObjectPlaced || !Optics::objectOnBench(model.bench) ||
        !Optics::Axial::valid(system))
        return {};
    const std::vector<Optics::Axial::Image> images = Optics::Axial::imagesOf(system);
    const Optics::Axial::Image& first = images[0];
    const Optics::Axial::Image& final = images[1];
    QStringList distances{equals(indexed(l.objectDistance, 1), cm(first.objectDistance))};
    if (first.kind != Optics::ImageKind::None)
        distances << equals(indexed(l.imageDistance, 1), cm(first.distance));
    // After parallel light between the lenses the second's object is at infinity.
    if (first.kind != Optics::ImageKind::None)
        distances << equals(indexed(l.objectDistance, 2), cm(final.objectDistance));
    if (final.kind != Optics::ImageKind::None)
        distances << equals(indexed(l.imageDistance, 2), cm(final.distance));
    QStringList lines{distances.join(QStringLiteral("   "))};
    if (first.kind == Optics::ImageKind::None) {
        lines << Worksheet::tr("A₁B₁ на бесконечности: предмет в фокальной плоскости первой "
                               "линзы, между линзами лучи параллельны.");
    } else if (final.kind == Optics::ImageKind::None) {
        lines << Worksheet::tr("A₂B₂ на бесконечности: A₁B₁ в фокальной плоскости второй линзы, "
                               "лучи выходят параллельно.");
    } else {
        lines << Worksheet::tr("A₂B₂: %1.")
                     .arg(Readout::kindWords(final.kind == Optics::ImageKind::Real,
                                             final.magnification > 0,
                                             Optics::sizeOf(final.magnification)));
        const QString gamma = Readout::letter(l.magnification);
        lines << QStringList{equals(indexed(l.magnification, 1),
                                    Readout::magnification(model.notation, first.magnification)),
                             equals(
                                 indexed(l.magnification, 2),
                                 Readout::magnification(
                                     model.notation, Optics::Axial::ownMagnification(images, 1))),
                             equals(gamma + QStringLiteral(" = ") + indexed(l.magnification, 1) +
                                        QStringLiteral("·") + indexed(l.magnification, 2),
                                    Readout::magnification(model.notation, final.magnification))}
                     .join(QStringLiteral("   "));
    }
    if (first.kind == Optics::ImageKind::Real && first.z > system.elements[1].z)
        lines << Worksheet::tr("A₁B₁ за второй линзой: на неё падают сходящиеся лучи, A₁B₁ для "
                               "неё — мнимый предмет.");
    return lines;
}

Model modelOf(const Model& model, const BenchState& bench,
              const std::optional<Optics::SecondLens>& second) {
    Model own = model;
    own.bench = bench;
    own.system = System{};
    own.system.secondLens = second;
    return own;
}

// The object's distance before the first lens as the answer writes it, and
// its height above the axis.
QString systemObjectLine(const Model& model) {
    const Optics::Axial::System system =
        Optics::withSecondLens(Optics::constructionSystem(model.bench), *model.system.secondLens);
    if (!model.bench.ObjectPlaced || !Optics::objectOnBench(model.bench) ||
        !Optics::Axial::valid(system))
        return {};
    const auto cm = [&](double benchCm) {
        return Readout::centimetresOf(model.scale.realOfBenchCm(benchCm));
    };
    const Optics::Axial::Image first = Optics::Axial::imagesOf(system).front();
    return Worksheet::tr("Предмет AB: %1   h = %2")
        .arg(equals(indexed(Optics::lettersOf(model.notation).objectDistance, 1),
                    cm(first.objectDistance)),
             cm(system.object.height));
}

namespace {
// A scene's elements as lines: each one's name (or its number), focal lengths
// and power, and its distance from the first.
QStringList sceneElements(const Model& model) {
    const Optics::Axial::System& system = *model.system.scene;
    QStringList lines;
    for (std::size_t k = 0; k < system.elements.size(); ++k) {
        const auto* thin = std::get_if<Optics::Axial::ThinLens>(&system.elements[k].kind);
        if (!thin)
            continue;
        const Optics::Lens lens{Optics::Axial::indexBefore(system, k), thin->N,
                                Optics::Axial::indexAfter(system, k), thin->R1, thin->R2};
        const QString name =
            k < model.system.elementNames.size() && !model.system.elementNames[k].isEmpty()
                ? model.system.elementNames[k]
                : Worksheet::tr("Линза %1").arg(k + 1);
        QString line = name + QStringLiteral(": ") +
                       Readout::focalLengths(model.notation, lens, model.scale) +
                       QStringLiteral("   ") + Readout::power(model.notation, lens, model.scale);
        if (k > 0)
            line +=
                QStringLiteral("; ") + Worksheet::tr("%1 от первой")
                                           .arg(Readout::centimetresOf(model.scale.realOfBenchCm(
                                               system.elements[k].z - system.elements.front().z)));
        lines << line;
    }
    return lines;
}

// A scene's worksheet: its elements and the object (or the direction of the
// light), then the construction with the scene's read-outs, the library's.
bool fillSceneWorksheet(Pages& pages, const Model& model) {
    const QStringList elements = sceneElements(model);
    const Page task{Shows::Task,
                    Worksheet::tr("Задание: постройте изображение — %1").arg(model.system.title),
                    elements,
                    {scaleLine(model.scale)}};
    if (!pages.add(task))
        return false;
    QStringList below = model.system.readouts;
    below << Worksheet::tr("Сплошные линии — лучи и действительные изображения; штриховые — "
                           "продолжения лучей, мнимые изображения и мнимый предмет.");
    return pages.add(
        {Shows::Solution, Worksheet::tr("Решение — %1").arg(model.system.title), elements, below});
}

// The system's worksheet: both lenses and the object, then the construction
// stage by stage with the library's answer.
bool fillSystemWorksheet(Pages& pages, const Model& model) {
    const QStringList lenses{lensLine(model, model.bench, true), secondLensLine(model, true)};
    const Page task{Shows::Task,
                    Worksheet::tr("Задание: постройте изображение предмета в системе двух линз"),
                    lenses,
                    {scaleLine(model.scale)}};
    if (!pages.add(task))
        return false;
    QStringList below = systemAnswer(model);
    below << Worksheet::tr("Сплошные линии — лучи и действительные изображения; штриховые — "
                           "продолжения лучей, мнимые изображения и мнимый предмет.");
    return pages.add({Shows::Solution, Worksheet::tr("Решение"), lenses, below});
}
} // namespace

// The single worksheet of the bench: the task, then its solution, whose
// read-outs are those of the construction drawn.
bool fillWorksheet(Pages& pages, const Model& model) {
    if (model.system.twoLenses())
        return fillSystemWorksheet(pages, model);
    if (model.system.scene)
        return fillSceneWorksheet(pages, model);
    const QString lens = lensLine(model, model.bench, true);
    const Page task{Shows::Task,
                    Worksheet::tr("Задание: постройте изображение предмета"),
                    {lens},
                    {scaleLine(model.scale)}};
    if (!pages.add(task))
        return false;
    const Readout::ImageTexts shown = Readout::imageTexts(
        model.notation, textbookFigure(model, model.bench, false).bench, model.scale);
    const Page solution{
        Shows::Solution,
        Worksheet::tr("Решение"),
        {lens},
        {shown.distances, shown.kind,
         Worksheet::tr("Сплошные линии — лучи и действительное изображение; штриховые — "
                       "продолжения лучей и мнимое изображение.")}};
    return pages.add(solution);
}

FigureNames solutionNames(const Model& model, const BenchState& bench, bool ownBench) {
    return textbookFigure(model, bench, ownBench).names;
}

QString worksheetTitle() {
    return Worksheet::tr("Рабочий лист Quellor");
}

} // namespace Worksheets
