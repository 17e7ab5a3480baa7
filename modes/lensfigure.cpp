// SPDX-License-Identifier: GPL-3.0-or-later
#include "lensfigure.h"

#include "bench.h"
#include "benchgeometry.h"
#include "picturebox.h"
#include "screeninfo.h"
#include "segmentclip.h"

#include <QHash>
#include <QSizeF>
#include <utility>

namespace LensFigure {

namespace {

constexpr double kFigureHeight = Bench::kAreaHeight;

// A name's box at the laid-out size, measured once for each text and zoom: a
// drag places the names on every event.
QSizeF measured(const TextMark& mark, const PictureBox* area) {
    static QHash<QString, QSizeF> sizes;
    static double zoom = 0;
    const double now = ScreenInfo::of(area).pixelsPerTwip();
    if (now != zoom) {
        sizes.clear();
        zoom = now;
    }
    auto found = sizes.find(mark.text);
    if (found == sizes.end())
        found = sizes.insert(mark.text, mark.measuredTwips(area));
    return *found;
}


QRectF boxAt(TextMark::Anchor anchor, double x, double y, QSizeF size) {
    const bool right =
        anchor == TextMark::Anchor::TopRight || anchor == TextMark::Anchor::BottomRight;
    const bool bottom =
        anchor == TextMark::Anchor::BottomLeft || anchor == TextMark::Anchor::BottomRight;
    return {right ? x - size.width() : x, bottom ? y - size.height() : y, size.width(),
            size.height()};
}

} // namespace

bool Namer::clear(const QRectF& box) const {
    if (box.left() < 0 || box.right() > Bench::kAreaWidth || box.top() < 0 ||
        box.bottom() > kFigureHeight)
        return false;
    for (const QRectF& other : taken)
        if (box.intersects(other))
            return false;
    for (const Figure& f : area->figures()) {
        if (f.kind == Figure::Kind::Circle) {
            const QRectF dot(f.x1 - f.radius, f.y1 - f.radius, 2 * f.radius, 2 * f.radius);
            if (box.intersects(dot))
                return false;
        } else if (clipSegment(QLineF(f.x1, f.y1, f.x2, f.y2), box)) {
            return false;
        }
    }
    return true;
}

void Namer::put(const QString& text, double x, double y, bool above) {
    TextMark mark;
    mark.text = text;
    mark.colour = colour;
    mark.points = kNamePoints;
    mark.bold = true;
    const QSizeF size = measured(mark, area);
    using A = TextMark::Anchor;
    const A below[] = {A::TopRight, A::TopLeft, A::BottomRight, A::BottomLeft};
    const A over[] = {A::BottomRight, A::BottomLeft, A::TopRight, A::TopLeft};
    const A* sides = above ? over : below;
    const auto at = [&](A anchor, double gap) {
        const bool right = anchor == A::TopRight || anchor == A::BottomRight;
        const bool bottom = anchor == A::BottomLeft || anchor == A::BottomRight;
        mark.anchor = anchor;
        mark.x = float(right ? x - gap : x + gap);
        mark.y = float(bottom ? y - gap : y + gap);
        return boxAt(anchor, mark.x, mark.y, size);
    };
    for (const double gap : {kNameGap, 2.5 * kNameGap, 4 * kNameGap})
        for (int i = 0; i < 4; ++i) {
            const QRectF box = at(sides[i], gap);
            if (clear(box)) {
                taken.append(box);
                names->append(mark);
                return;
            }
        }
    taken.append(at(sides[0], kNameGap));
    names->append(mark);
}

Optics::Pen penOf(const PictureBox& area) {
    return {area.DrawWidth(), area.DrawStyle(), area.FillStyle(), area.FillColor(),
            area.ForeColor()};
}

void setPen(PictureBox& area, const Optics::Pen& pen) {
    area.SetDrawWidth(pen.width);
    area.SetDrawStyle(pen.style);
    area.SetFillStyle(pen.fillStyle);
    area.SetFillColor(pen.fillColour);
    area.SetForeColor(pen.foreColour);
}

// A line drawn with its own width and dash, the area's pen left as it was.
void stroke(PictureBox& area, double x1, double y1, double x2, double y2, RgbValue colour,
            int width, bool dashed) {
    const int oldWidth = area.DrawWidth();
    const int oldStyle = area.DrawStyle();
    area.SetDrawWidth(width);
    area.SetDrawStyle(dashed ? 1 : 0);
    area.Line(x1, y1, x2, y2, colour);
    area.SetDrawWidth(oldWidth);
    area.SetDrawStyle(oldStyle);
}

// An arrow from its foot on the axis to its tip, as the object and the images
// are drawn; the arrowhead only with the names, as on the single lens's bench.
void arrow(PictureBox& area, double x, double tip, RgbValue colour, bool dashed, bool head) {
    stroke(area, x, Bench::kAxisY, x, tip, colour, 2, dashed);
    if (!head)
        return;
    const Optics::Arrowhead h = Optics::arrowheadAt(x, tip, x, Bench::kAxisY);
    if (h.drawn)
        for (const Optics::Segment& s : {h.left, h.right})
            stroke(area, s.x1, s.y1, s.x2, s.y2, colour, 2, false);
}


void lens(PictureBox& area, double x, bool converging, double top, double bottom) {
    stroke(area, x, top, x, bottom, kLensColour, kBarWidth, false);
    const double out = converging ? kHead : -kHead;
    for (const auto& [end, sign] : {std::pair{top, 1.0}, std::pair{bottom, -1.0}})
        for (const double side : {-kHead, kHead})
            stroke(area, x, end, x + side, end + sign * out, kLensColour, kBarWidth, false);
}

} // namespace LensFigure
