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

#include "form1.h"

#include "bench.h"
#include "benchgeometry.h"
#include "benchlens.h"
#include "benchoptics.h"
#include "classsetdialog.h"
#include "label.h"
#include "lens.h"
#include "messages.h"
#include "notation.h"
#include "palette.h"
#include "picturebox.h"
#include "readout.h"
#include "reproduciblepdf.h"
#include "safewrite.h"
#include "savename.h"
#include "task.h"
#include "textmark.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

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

void drawTask(QPainter& p, Form1& w, const Parts& parts) {
    p.setPen(pen(kGreyInk, 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(parts.frame);
    p.setPen(pen(kInk, 0.75));
    p.drawLine(QPointF(parts.frame.left(), Bench::kAxisY),
               QPointF(parts.frame.right(), Bench::kAxisY));

    const Optics::Lens lens = Optics::lensOf(w);
    drawLensSymbol(p, Optics::converges(Optics::power(lens)), parts.lensHalf);
    if (parts.marks)
        drawMarks(p, Bench::focalLengths(lens),
                  !Optics::oneFocalLength(w.view().CurrentNotation(), lens), parts.markNames,
                  parts.frame);
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
void drawGivenImage(QPainter& p, const Form1& w) {
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

bool imageIsVirtual(const Form1& w) {
    return w.ObjectPlaced && Optics::objectOnBench(w) &&
           Bench::imageOf(Optics::lensOf(w), w.ObjectX, w.ObjectY).kind ==
               Optics::ImageKind::Virtual;
}
// The construction as the areas drew it, each area at its place: rays solid
// black, lines of a virtual image dashed grey.
void drawConstruction(QPainter& p, Form1& w, const QRectF& frame) {
    const bool virtualImage = imageIsVirtual(w);
    const Palette::Construction& colours = Palette::of(w);
    p.save();
    p.setClipRect(frame);
    const struct {
        const PictureBox* area;
        double left;
    } areas[] = {{w.picLeft, 0}, {w.picRigth, Bench::kLensX}};
    for (const auto& area : areas) {
        for (const Figure& f : area.area->figures()) {
            const bool virtualPart =
                virtualPartOf(f, virtualImage, area.area == w.picLeft, colours);
            const bool dashed = f.drawStyle != 0 || virtualPart;
            p.setPen(pen(virtualPart ? kGreyInk : kInk, 0.6 * std::max(1, f.drawWidth), dashed));
            if (!std::isfinite(f.x1) || !std::isfinite(f.y1))
                continue;
            if (f.kind == Figure::Kind::Circle) {
                p.setBrush(f.fillStyle == 0 && !virtualPart ? QBrush(kInk) : QBrush());
                p.drawEllipse(QPointF(area.left + f.x1, f.y1), f.radius, f.radius);
                p.setBrush(Qt::NoBrush);
            } else if (std::isfinite(f.x2) && std::isfinite(f.y2)) {
                // Far ends are brought in along the line: the clip does the rest.
                QPointF a(area.left + f.x1, f.y1), b(area.left + f.x2, f.y2);
                const double far = 4 * kBenchWidth;
                const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
                if (length > far)
                    b = a + (b - a) * (far / length);
                p.drawLine(a, b);
            }
        }
    }
    p.restore();
}

// The names the labels layer placed on each area, in black: where the screen
// shows them, clear of every stroke, at the size they are laid out in. Within
// a cropped figure's frame, if one is given, whole or not at all.
void drawNames(QPainter& p, const Form1& w, const QRectF& frame) {
    const struct {
        const PictureBox* area;
        double left;
    } areas[] = {{w.picLeft, 0}, {w.picRigth, Bench::kLensX}};
    p.setPen(kInk);
    for (const auto& area : areas) {
        for (const TextMark& mark : area.area->textMarks()) {
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
void drawFigure(QPainter& p, Form1& w, Worksheets::Shows shows, Parts parts) {
    using Worksheets::Shows;
    const bool solution = shows == Shows::Solution;
    parts.marks = shows != Shows::FocusTask;
    parts.markNames = !solution;
    drawTask(p, w, parts);
    if (shows == Shows::FocusTask)
        drawGivenImage(p, w);
    if (solution) {
        drawConstruction(p, w, parts.frame);
        drawNames(p, w, parts.whole ? QRectF() : parts.frame);
    }
}

// What a piece's construction needs of the bench, in bench twips: the frame
// and the lens symbol's half height. Up and down: the object and the image
// with room for their names, the lens a little taller, taken to the next half
// centimetre, so that neither tells more of the image than the tolerance of
// a click. Along the axis, for the image sought: the object, the marks and
// the image, to the next centimetre beyond them; for a focus sought the
// object, the image and the longest focal length a task has, so that the
// edges say nothing of where a focus lies.
Parts cropOf(const Form1& w, Worksheets::Shows shows) {
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

// Painter units to the page: the top line's heading, then the bench at true
// size, then the lines below it.
void drawPage(QPainter& p, Form1& w, const Worksheets::Page& content, const QSizeF& page) {
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
    drawFigure(p, w, content.shows, {});
    p.restore();

    y = benchTop + Bench::kAreaHeight * kBenchScale + kTextGap;
    p.setFont(body);
    for (const QString& text : content.below) {
        if (!text.isEmpty())
            p.drawText(QPointF(left, y), text);
        y += line;
    }
}

// While a page is drawn, the bench is drawn as the textbook figure in the
// scheme view, whatever the window shows; the window's own view and layers
// come back after.
class PaperFigure {
public:
    explicit PaperFigure(Form1& w)
        : m_w(w), m_scheme(w.SchemeView), m_shown(w.ConstructionShown), m_labels(w.ShowLabels),
          m_thirdRay(w.ShowThirdRay) {
        if (!w.ObjectPlaced)
            return;
        w.SchemeView = kTrue;
        w.ShowLabels = kTrue;
        w.ShowThirdRay = kTrue;
        redraw();
    }
    ~PaperFigure() {
        if (!m_w.ObjectPlaced)
            return;
        m_w.SchemeView = m_scheme;
        m_w.ShowLabels = m_labels;
        m_w.ShowThirdRay = m_thirdRay;
        if (m_scheme && m_shown) {
            redraw();
            return;
        }
        m_w.WipeAreas();
        m_w.ShowReadouts();
        m_w.ShowLabelsLayer();
    }
    PaperFigure(const PaperFigure&) = delete;
    PaperFigure& operator=(const PaperFigure&) = delete;

private:
    void redraw() {
        m_w.WipeAreas();
        m_w.DrawRayDiagram();
        m_w.ShowReadouts();
        m_w.ShowLabelsLayer();
    }
    Form1& m_w;
    Flag m_scheme, m_shown, m_labels, m_thirdRay;
};

void prepare(QPagedPaintDevice* device) {
    device->setPageSize(QPageSize(QPageSize::A4));
    device->setPageOrientation(QPageLayout::Landscape);
    device->setPageMargins(QMarginsF(0, 0, 0, 0));
}

bool paint(Form1& w, QPagedPaintDevice* device, const Worksheets::Filler& fill) {
    QPainter p;
    if (!p.begin(device))
        return false;
    Worksheets::Pages pages(w, p, *device);
    const bool filled = fill(pages);
    return p.end() && filled;
}
} // namespace

namespace Worksheets {

Pages::Pages(Form1& window, QPainter& painter, QPagedPaintDevice& device)
    : m_window(window), m_painter(painter), m_device(device) {}

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
        const Parts crop = cropOf(m_window, piece.shows);
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
        drawFigure(m_painter, m_window, piece.shows, crop);
        m_painter.restore();
        m_y += height + kPieceGap;
        ++m_onPage;
        return true;
    };
    bool done = false;
    if (piece.shows == Shows::Solution) {
        const PaperFigure solution(m_window);
        done = placed();
    } else {
        done = placed();
    }
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
    if (page.shows == Shows::Solution) {
        const PaperFigure figure(m_window);
        drawPage(m_painter, m_window, page, size);
    } else {
        drawPage(m_painter, m_window, page, size);
    }
    m_painter.restore();
    return true;
}

bool writePdf(Form1& window, const QString& path, const QString& title, const Filler& fill,
              QString* why) {
    const std::optional<QByteArray> pdf = ReproduciblePdf::make(title, [&](QPdfWriter& writer) {
        prepare(&writer);
        writer.setResolution(int(kUnitsPerInch));
        return paint(window, &writer, fill);
    });
    if (!pdf) {
        *why = Worksheet::tr("не удалось нарисовать рабочий лист");
        return false;
    }
    *why = SafeWrite::write(path, *pdf);
    return why->isEmpty();
}

bool print(Form1& window, QPagedPaintDevice* device, const Filler& fill) {
    return paint(window, device, fill);
}

QString lensLine(const Form1& w, bool withFocus) {
    const QString lens = Worksheet::tr("Линза: N = %1, R = %2 (слева), R = %3 (справа)")
                             .arg(readoutText(w.N).trimmed(), w.lblRleft->Caption().mid(4),
                                  w.lblRright->Caption().mid(4));
    if (!withFocus)
        return lens;
    return lens + QStringLiteral("; ") + w.lblFocal->Caption() + QStringLiteral("   ") +
           w.lblPower->Caption();
}

QString mediaLine(const Form1& w) {
    return Worksheet::tr("Среда слева n1 = %1, справа n2 = %2.")
        .arg(readoutText(w.n1).trimmed(), readoutText(w.n2).trimmed());
}

// The bench is printed at its own size: a centimetre on the sheet is a
// centimetre of the bench, which stands for K real ones.
QString scaleLine(const Form1& w) {
    const Optics::Scale scale = w.view().CurrentScale();
    return Worksheet::tr("%1 (1 см на листе — %2 см).")
        .arg(Readout::scaleText(scale))
        .arg(scale.factor());
}

} // namespace Worksheets

namespace {
// The single worksheet of the bench: the task, then its solution.
bool fillWorksheet(Worksheets::Pages& pages, Form1& w) {
    using Worksheets::Shows;
    const QString lens = Worksheets::lensLine(w, true);
    Worksheets::Page task{Shows::Task,
                          Worksheet::tr("Задание: постройте изображение предмета"),
                          {lens},
                          {Worksheets::scaleLine(w)}};
    if (!pages.add(task))
        return false;
    // The read-outs of the solution are those of the construction drawn.
    const PaperFigure figure(w);
    Worksheets::Page solution{
        Shows::Solution,
        Worksheet::tr("Решение"),
        {lens},
        {w.lblDistances->Caption(), w.lblImageKind->Caption(),
         Worksheet::tr("Сплошные линии — лучи и действительное изображение; штриховые — "
                       "продолжения лучей и мнимое изображение.")}};
    return pages.add(solution);
}
} // namespace

// Ctrl+P: the bench's own worksheet or variants for a class, printed or
// saved as PDF. A file named in the print dialog is saved as any PDF is: the
// name decided in the one place, the document written through the safe path.
void Form1::PrintWorksheet() {
    if (!Messages::roomFor(this, Worksheet::tr("Рабочий лист")))
        return;
    ClassSetDialog choice(*this);
    if (choice.exec() != QDialog::Accepted)
        return;
    const bool variants = choice.variantsChosen();
    const ClassSet set = choice.classSet();
    const QString title = Worksheet::tr("Сохранить рабочие листы");
    const auto save = [&](const QString& typed) {
        const QString path = typed.isEmpty()
                                 ? QString()
                                 : SaveName::decide(this, title, typed, QStringLiteral("pdf"));
        if (path.isEmpty())
            return; // cancelled: nothing is written
        QString why;
        if (!(variants ? set.write(*this, path, &why) : WriteWorksheet(path, &why)))
            Messages::tell(this, Worksheet::tr("Рабочие листы не сохранены"), why);
    };
    if (choice.toPdf()) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        save(QFileDialog::getSaveFileName(this, title,
                                          QDir(folder).filePath(Worksheet::tr("рабочий лист.pdf")),
                                          Worksheet::tr("Документ PDF (*.pdf)")));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    prepare(&printer);
    printer.setFullPage(true);
    printer.setDocName(variants ? Worksheet::tr("Варианты и ответы")
                                : Worksheet::tr("Рабочий лист"));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        save(printer.outputFileName());
        return;
    }
    Worksheets::print(*this, &printer, [&](Worksheets::Pages& pages) {
        return variants ? set.fill(pages, *this) : fillWorksheet(pages, *this);
    });
}

bool Form1::WriteWorksheet(const QString& pdfPath, QString* why) {
    return Worksheets::writePdf(
        *this, pdfPath, Worksheet::tr("Рабочий лист Quellor"),
        [this](Worksheets::Pages& pages) { return fillWorksheet(pages, *this); }, why);
}
