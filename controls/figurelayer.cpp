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

namespace {
// The few names of a figure in their styles and zooms; a window that has been
// zoomed through every step still keeps only this many.
constexpr std::size_t kLaidTextsKept = 64;
} // namespace

FigureLayer::FigureLayer(PictureBox* area) : QWidget(area), m_area(area) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(area->rect());
    m_laid.reserve(kLaidTextsKept);
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

const FigureLayer::LaidText& FigureLayer::laidOut(const TextMark& mark,
                                                  const ScreenInfo& screen) const {
    const double zoom = screen.zoom();
    const int dpi = logicalDpiY();
    for (const LaidText& laid : m_laid)
        if (laid.points == mark.points && laid.bold == mark.bold && laid.zoom == zoom &&
            laid.dpi == dpi && laid.text == mark.text)
            return laid;
    if (m_laid.size() >= kLaidTextsKept)
        m_laid.clear();
    const QFont font = mark.font(zoom);
    const QFontMetricsF metrics(font, this);
    LaidText laid{mark.text,
                  mark.points,
                  mark.bold,
                  zoom,
                  dpi,
                  font,
                  QStaticText(mark.text),
                  metrics.horizontalAdvance(mark.text),
                  metrics.ascent(),
                  metrics.descent(),
                  metrics.height()};
    laid.glyphs.setTextFormat(Qt::PlainText);
    laid.glyphs.prepare(QTransform(), font);
    return m_laid.emplace_back(std::move(laid));
}

template <typename Use>
void FigureLayer::placeTexts(const QVector<TextMark>& marks, const ScreenInfo& screen,
                             Use use) const {
    for (const TextMark& mark : marks) {
        const LaidText& laid = laidOut(mark, screen);
        const QPointF at = screen.toPixels(QPointF(mark.x, mark.y));
        const bool left = mark.anchor == TextMark::Anchor::TopRight ||
                          mark.anchor == TextMark::Anchor::BottomRight;
        const bool top =
            mark.anchor == TextMark::Anchor::TopLeft || mark.anchor == TextMark::Anchor::TopRight;
        const double x = left ? at.x() - laid.advance : at.x();
        const double baseline = top ? at.y() + laid.ascent : at.y() - laid.descent;
        use(mark, laid, QPointF(x, baseline - laid.ascent));
    }
}

// A name's box with a margin: glyphs may overhang their advance, and
// antialiasing adds a pixel.
QRect FigureLayer::textBox(QPointF topLeft, const LaidText& text) {
    const double margin = 2.0 + text.height / 4;
    return QRectF(topLeft, QSizeF(text.advance, text.height))
        .adjusted(-margin, -margin, margin, margin)
        .toAlignedRect();
}

QRegion FigureLayer::textRegion(const QVector<TextMark>& marks) const {
    QRegion region;
    placeTexts(marks, ScreenInfo::of(m_area),
               [&](const TextMark&, const LaidText& laid, QPointF topLeft) {
                   region += textBox(topLeft, laid);
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
    // them is not drawn for nothing.
    placeTexts(m_area->textMarks(), screen,
               [&](const TextMark& mark, const LaidText& laid, QPointF topLeft) {
                   if (!exposed.intersects(textBox(topLeft, laid)))
                       return;
                   painter.setFont(laid.font);
                   painter.setPen(toQColor(mark.colour));
                   painter.drawStaticText(topLeft, laid.glyphs);
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
