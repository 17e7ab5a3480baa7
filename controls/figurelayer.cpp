// SPDX-License-Identifier: GPL-3.0-or-later
#include "figurelayer.h"

#include "picturebox.h"
#include "screeninfo.h"
#include "surfacepainter.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

FigureLayer::FigureLayer(PictureBox* area) : QWidget(area), m_area(area) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(area->rect());
}

void FigureLayer::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const ScreenInfo screen = ScreenInfo::of(m_area);
    SurfacePainter surface(&painter, screen, QRectF(rect()));
    for (const Figure& figure : m_area->figures())
        surface.draw(figure);
    paintTexts(painter, screen, event->region());
    // Frames are whole pixels, one laid-out pixel thick, and stay inside the box.
    const int thickness = std::max(1, int(std::lround(screen.designPixels(1))));
    if (m_area->Border())
        paintBorder(painter, thickness);
    if (m_area->ShowsFocus())
        paintFocus(painter, thickness);
}

// The names use two or three styles: each font is resolved once a pass.
template <typename Use>
void FigureLayer::placeTexts(const QVector<TextMark>& marks, const ScreenInfo& screen,
                             Use use) const {
    struct Style {
        double points;
        bool bold;
        QFont font;
        QFontMetricsF metrics;
    };
    std::vector<Style> styles;
    for (const TextMark& mark : marks) {
        auto style = std::find_if(styles.begin(), styles.end(), [&](const Style& s) {
            return s.points == mark.points && s.bold == mark.bold;
        });
        if (style == styles.end()) {
            const QFont font = mark.font(screen.zoom());
            styles.push_back({mark.points, mark.bold, font, QFontMetricsF(font, this)});
            style = styles.end() - 1;
        }
        const QFontMetricsF& metrics = style->metrics;
        const QPointF at = screen.toPixels(QPointF(mark.x, mark.y));
        const bool left = mark.anchor == TextMark::Anchor::TopRight ||
                          mark.anchor == TextMark::Anchor::BottomRight;
        const bool top =
            mark.anchor == TextMark::Anchor::TopLeft || mark.anchor == TextMark::Anchor::TopRight;
        const double x = left ? at.x() - metrics.horizontalAdvance(mark.text) : at.x();
        const double baseline = top ? at.y() + metrics.ascent() : at.y() - metrics.descent();
        use(mark, style->font, metrics, QPointF(x, baseline));
    }
}

// A name's box with a margin: glyphs may overhang their advance, and
// antialiasing adds a pixel.
QRect FigureLayer::textBox(const QRectF& box, const QFontMetricsF& metrics) {
    const double margin = 2.0 + metrics.height() / 4;
    return box.adjusted(-margin, -margin, margin, margin).toAlignedRect();
}

QRegion FigureLayer::textRegion(const QVector<TextMark>& marks) const {
    QRegion region;
    placeTexts(marks, ScreenInfo::of(m_area),
               [&](const TextMark& mark, const QFont&, const QFontMetricsF& metrics, QPointF at) {
                   const QRectF box(at.x(), at.y() - metrics.ascent(),
                                    metrics.horizontalAdvance(mark.text), metrics.height());
                   region += textBox(box, metrics);
               });
    return region;
}

// Names on the drawing: antialiased text (only the lines stay aliased), its
// box's corner at the mark's place.
void FigureLayer::paintTexts(QPainter& painter, const ScreenInfo& screen, const QRegion& exposed) {
    if (m_area->textMarks().isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    // Under a drag only a few strips are painted again: a name wholly outside
    // them is not laid out and drawn for nothing.
    placeTexts(
        m_area->textMarks(), screen,
        [&](const TextMark& mark, const QFont& font, const QFontMetricsF& metrics, QPointF at) {
            const QRectF box(at.x(), at.y() - metrics.ascent(),
                             metrics.horizontalAdvance(mark.text), metrics.height());
            if (!exposed.intersects(textBox(box, metrics)))
                return;
            painter.setFont(font);
            painter.setPen(toQColor(mark.colour));
            painter.drawText(at, mark.text);
        });
    painter.restore();
}

// The border of the lens symbol's bar: a dark frame on every side, so the bar
// keeps one colour with a clean edge at every scale.
void FigureLayer::paintBorder(QPainter& painter, int thickness) {
    const QColor frame(0, 0, 96);
    const int w = width(), h = height();
    painter.fillRect(0, 0, w, thickness, frame);
    painter.fillRect(0, h - thickness, w, thickness, frame);
    painter.fillRect(0, 0, thickness, h, frame);
    painter.fillRect(w - thickness, 0, thickness, h, frame);
}

// A frame in the highlight colour two laid-out pixels thick; a strip too thin
// for a frame (the axis, the lens plane) turns the highlight colour instead.
void FigureLayer::paintFocus(QPainter& painter, int thickness) {
    const QColor highlight = palette().color(QPalette::Highlight);
    const int t = 2 * thickness;
    const int w = width(), h = height();
    if (w <= 3 * t || h <= 3 * t) {
        painter.fillRect(rect(), highlight);
        return;
    }
    painter.fillRect(0, 0, w, t, highlight);
    painter.fillRect(0, h - t, w, t, highlight);
    painter.fillRect(0, 0, t, h, highlight);
    painter.fillRect(w - t, 0, t, h, highlight);
}
