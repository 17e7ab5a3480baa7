// SPDX-License-Identifier: GPL-3.0-or-later
// The worksheet: A4 landscape, the bench at true size (a centimetre of the
// bench is a centimetre on paper). Page 1 is the task: the lens symbol, the
// axis, the focal marks with their labels and the object, with no number but
// the lens's own. Page 2 is the solution: the whole construction, the
// read-outs and the kind of image in words. Lines are black or dark grey for
// a greyscale printer; what belongs to a virtual image is dashed, not coloured.
#include "form1.h"

#include "bench.h"
#include "label.h"
#include "lens.h"
#include "messages.h"
#include "palette.h"
#include "picturebox.h"
#include "readout.h"
#include "safewrite.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
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
constexpr double kBenchTop = 1.9 * kPaperUnitsPerCm; // below the heading
constexpr double kTextGap = 0.6 * kPaperUnitsPerCm;  // bench to the text below
constexpr double kPoint = kUnitsPerInch / 72;        // one typographic point
constexpr double kMarkRadius = 60;                   // bench twips
constexpr double kArrow = 160;                       // arrowhead length, bench twips
constexpr double kMarkPoints = 10;                   // the marks' names, in points
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
void drawTask(QPainter& p, Form1& w) {
    p.setPen(pen(kGreyInk, 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0, 0, kBenchWidth, Bench::kAreaHeight));
    p.setPen(pen(kInk, 0.75));
    p.drawLine(QPointF(0, Bench::kAxisY), QPointF(kBenchWidth, Bench::kAxisY));

    // The lens symbol: its arrowheads show what it does, outwards when it
    // gathers light, inwards when it spreads it.
    const Optics::Lens lens = Optics::lensOf(w);
    const double P = Optics::power(lens);
    const bool converging = Optics::converges(P);
    const QPointF top(Bench::kLensX, Bench::kConvergingTop);
    const QPointF bottom(Bench::kLensX, Bench::kConvergingBottom);
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

    // F and 2F where the bench puts them, named as the labels layer names
    // them: a diverging lens has its back focus F′ before it.
    const Optics::FocalLengths focal = Optics::focalLengths(lens);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(kMarkPoints * kPoint / kBenchScale / (kUnitsPerInch / 72));
    p.setFont(font);
    if (focal.finite) {
        const Optics::MarkDistances at = Optics::markDistances(focal);
        const bool backBefore = focal.front < 0;
        const QString before = backBefore ? QStringLiteral("F\u2032") : QStringLiteral("F");
        const QString beyond = backBefore ? QStringLiteral("F") : QStringLiteral("F\u2032");
        const struct {
            double x;
            QString label;
        } marks[] = {{Bench::kLensX - at.objectSide, before},
                     {Bench::kLensX - 2 * at.objectSide, QStringLiteral("2") + before},
                     {Bench::kLensX + at.imageSide, beyond},
                     {Bench::kLensX + 2 * at.imageSide, QStringLiteral("2") + beyond}};
        for (const auto& mark : marks) {
            if (mark.x < 0 || mark.x > kBenchWidth)
                continue;
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            p.drawEllipse(QPointF(mark.x, Bench::kAxisY), kMarkRadius, kMarkRadius);
            p.setPen(kInk);
            const QString& text = mark.label;
            const double width = p.fontMetrics().horizontalAdvance(text);
            p.drawText(QPointF(mark.x - width / 2, Bench::kAxisY + 5 * kMarkRadius), text);
        }
        p.setBrush(Qt::NoBrush);
    }
    // The media, by their indices: the lens's own numbers.
    p.setPen(kInk);
    p.drawText(QPointF(200, Bench::kAreaHeight - 200),
               Worksheet::tr("n1 = %1").arg(readoutText(w.n1).trimmed()));
    p.drawText(QPointF(Bench::kLensX + 200, Bench::kAreaHeight - 200),
               Worksheet::tr("n2 = %1").arg(readoutText(w.n2).trimmed()));

    // The object: an arrow from the axis to the object point.
    if (w.ObjectPlaced && Optics::objectOnBench(w)) {
        const QPointF foot(w.ObjectX, Bench::kAxisY);
        const QPointF tip(w.ObjectX, w.ObjectY);
        p.setPen(pen(kInk, 2));
        p.drawLine(foot, tip);
        arrowhead(p, tip, foot, Optics::kArrowheadLength);
    }
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
           Optics::imageOf(Optics::lensOf(w), w.ObjectX, w.ObjectY).kind ==
               Optics::ImageKind::Virtual;
}

// The construction as the areas drew it, each area at its place: rays solid
// black, lines of a virtual image dashed grey.
void drawConstruction(QPainter& p, Form1& w) {
    const bool virtualImage = imageIsVirtual(w);
    const Palette::Construction& colours = Palette::of(w);
    p.save();
    p.setClipRect(QRectF(0, 0, kBenchWidth, Bench::kAreaHeight));
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

void drawPage(QPainter& p, Form1& w, bool solution, const QSizeF& page) {
    const double left = (page.width() - kBenchWidth * kBenchScale) / 2;
    QFont heading(QStringLiteral("Liberation Sans"));
    heading.setPointSizeF(14);
    QFont body(QStringLiteral("Liberation Sans"));
    body.setPointSizeF(11);
    p.setPen(kInk);
    p.setFont(heading);
    p.drawText(QPointF(left, 1.1 * kPaperUnitsPerCm),
               solution ? Worksheet::tr("Решение")
                        : Worksheet::tr("Задание: постройте изображение предмета"));
    p.setFont(body);
    const QString lensLine =
        Worksheet::tr("Линза: N = %1, R = %2 (слева), R = %3 (справа); %4   %5")
            .arg(readoutText(w.N).trimmed(), w.lblRleft->Caption().mid(4),
                 w.lblRright->Caption().mid(4), w.lblFocal->Caption(), w.lblPower->Caption());
    p.drawText(QPointF(left, 1.6 * kPaperUnitsPerCm), lensLine);

    p.save();
    p.translate(left, kBenchTop);
    p.scale(kBenchScale, kBenchScale);
    drawTask(p, w);
    if (solution)
        drawConstruction(p, w);
    p.restore();

    double y = kBenchTop + Bench::kAreaHeight * kBenchScale + kTextGap;
    const double line = 0.7 * kPaperUnitsPerCm;
    if (solution) {
        for (const Label* readout : {w.lblDistances, w.lblImageKind}) {
            if (!readout->Caption().isEmpty())
                p.drawText(QPointF(left, y), readout->Caption());
            y += line;
        }
        p.drawText(QPointF(left, y),
                   Worksheet::tr("Сплошные линии — лучи и действительное изображение; штриховые — "
                                 "продолжения лучей и мнимое изображение."));
    } else {
        // The bench is printed at its own size: a centimetre on the sheet is a
        // centimetre of the bench, which stands for K real ones.
        const Optics::Scale scale = w.CurrentScale();
        p.drawText(QPointF(left, y), Worksheet::tr("%1 (1 см на листе — %2 см).")
                                         .arg(Readout::scaleText(scale))
                                         .arg(scale.factor()));
    }
}

// Paints both pages on a printer or PDF writer of any resolution.
bool paintWorksheet(QPagedPaintDevice* device, Form1& w) {
    QPainter p;
    if (!p.begin(device))
        return false;
    const double units = kUnitsPerInch / device->logicalDpiX();
    p.scale(1 / units, 1 / units);
    const QSizeF page(device->width() * units, device->height() * units);
    drawPage(p, w, false, page);
    device->newPage();
    drawPage(p, w, true, page);
    return p.end();
}

void prepare(QPagedPaintDevice* device) {
    device->setPageSize(QPageSize(QPageSize::A4));
    device->setPageOrientation(QPageLayout::Landscape);
    device->setPageMargins(QMarginsF(0, 0, 0, 0));
}
} // namespace

// The worksheet shows the construction for the object on the bench: it is
// drawn for it, in the scheme view, whatever the window shows now.
static void drawForWorksheet(Form1& w) {
    if (w.ObjectPlaced && (!w.SchemeView || !w.ConstructionShown)) {
        w.SchemeView = kTrue;
        w.WipeAreas();
        w.DrawRayDiagram();
        w.ShowReadouts();
    }
}

static void restoreView(Form1& w, bool scheme, bool shown) {
    if (w.SchemeView && !scheme) {
        w.SchemeView = kFalse;
        w.WipeAreas();
        w.ShowReadouts();
    } else if (w.SchemeView && !shown) {
        w.WipeAreas();
        w.ShowReadouts();
    }
}

void Form1::PrintWorksheet() {
    if (!Messages::roomFor(this, Worksheet::tr("Рабочий лист")))
        return;
    QPrinter printer(QPrinter::HighResolution);
    prepare(&printer);
    printer.setFullPage(true);
    printer.setDocName(Worksheet::tr("Рабочий лист"));
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const bool scheme = SchemeView, shown = ConstructionShown;
    drawForWorksheet(*this);
    paintWorksheet(&printer, *this);
    restoreView(*this, scheme, shown);
}

bool Form1::WriteWorksheet(const QString& pdfPath, QString* why) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        prepare(&writer);
        writer.setResolution(int(kUnitsPerInch));
        writer.setTitle(Worksheet::tr("Рабочий лист Quellor"));
        writer.setCreator(QStringLiteral("Quellor"));
        const bool scheme = SchemeView, shown = ConstructionShown;
        drawForWorksheet(*this);
        const bool painted = paintWorksheet(&writer, *this);
        restoreView(*this, scheme, shown);
        if (!painted) {
            *why = Worksheet::tr("не удалось нарисовать рабочий лист");
            return false;
        }
    }
    *why = SafeWrite::write(pdfPath, buffer.data());
    return why->isEmpty();
}
