// SPDX-License-Identifier: GPL-3.0-or-later
#include "eyeinset.h"

#include "rgbcolor.h"
#include "screeninfo.h"
#include "segmentclip.h"

#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
// The frame and the face, as the laboratory's inset of its screen has them.
const QColor kRoom(60, 60, 70);
const QColor kFace(255, 255, 255);
constexpr double kFaceMargin = 0.015; // of the inset's height
// A figure's line is drawn this much wider than on the bench, its dots this
// much larger: the lengths grow far more, the strokes only enough to be seen.
constexpr double kWider = 1.5;
} // namespace

EyeInset::EyeInset(QWidget* parent) : QWidget(parent), TwipGeometry(this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void EyeInset::show(QVector<Figure> figures, const QRectF& seen, double magnified,
                    const QString& caption) {
    if (figures == m_figures && seen == m_seen && magnified == m_magnified && caption == m_caption)
        return; // a drag's event that moved nothing about the eye
    const bool moved = seen != m_seen || magnified != m_magnified || caption != m_caption;
    if (moved)
        m_stillFigures.clear();
    m_previous = std::move(m_figures);
    m_figures = std::move(figures);
    m_seen = seen;
    m_magnified = magnified;
    m_caption = caption;
    if (moved || m_previous.isEmpty()) {
        update();
        return;
    }
    // Only where a figure went or came: a drag moves the rays, not the eye.
    const Face face = faceOf(QFontMetricsF(font(), this));
    QRectF changed;
    for (const auto& [from, other] :
         {std::pair{&m_previous, &m_figures}, {&m_figures, &m_previous}})
        for (qsizetype i = 0; i < from->size(); ++i)
            if (!holds(*other, (*from)[i], i))
                changed |= boxOf(face, (*from)[i]);
    update(changed.toAlignedRect().intersected(face.face));
}

// The face's geometry: the caption's band above it, the frame around.
EyeInset::Face EyeInset::faceOf(const QFontMetricsF& metrics) const {
    Face f;
    f.margin = std::max(1, int(std::lround(kFaceMargin * height())));
    f.band = int(std::ceil(metrics.height())) + f.margin;
    f.face = rect().adjusted(f.margin, f.band, -f.margin, -f.margin);
    // The bench's twips to the face's pixels, as many times larger as said,
    // about the middle of the part seen.
    f.scale = m_magnified * ScreenInfo::of(this).pixelsPerTwip();
    f.shown = QRectF(QPointF(), QSizeF(f.face.size()) / f.scale);
    f.shown.moveCenter(m_seen.center());
    return f;
}

// Whether a list holds a figure, looked for first where it stood in the other:
// a redraw draws the same figures in the same order.
bool EyeInset::holds(const QVector<Figure>& figures, const Figure& f, qsizetype at) {
    return (at < figures.size() && figures[at] == f) || figures.contains(f);
}

// A figure's box on the face, in pixels, with its pen's width about it.
QRectF EyeInset::boxOf(const Face& face, const Figure& f) const {
    const ScreenInfo screen = ScreenInfo::of(this);
    const double pen = kWider * std::max(1, f.drawWidth) * screen.designPixels(1) + 1;
    const QPointF centre = QRectF(face.face).center();
    const auto onFace = [&](QPointF twips) {
        return centre + (twips - m_seen.center()) * face.scale;
    };
    if (f.kind == Figure::Kind::Circle) {
        const double r = kWider * f.radius * screen.pixelsPerTwip() + pen;
        return QRectF(onFace(QPointF(f.x1, f.y1)) - QPointF(r, r), QSizeF(2 * r, 2 * r));
    }
    const auto piece =
        clipSegment(QLineF(f.x1, f.y1, f.x2, f.y2), face.shown.adjusted(-1, -1, 1, 1));
    if (!piece)
        return {};
    return QRectF(onFace(piece->line.p1()), onFace(piece->line.p2()))
        .normalized()
        .adjusted(-pen, -pen, pen, pen);
}

void EyeInset::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const Face face = faceOf(QFontMetricsF(font(), this));
    // A picture of the window saved as vectors gets the figures as vectors.
    if (p.paintEngine()->type() != QPaintEngine::Raster) {
        paintFace(p, face, m_figures);
        return;
    }
    // What stood still since the last change (the ball, its lens, the
    // retina) is drawn once into a picture kept; a drag draws over it only
    // what moved.
    const bool stillHolds = !m_still.isNull() && m_stillFor == size() &&
                            m_stillRatio == devicePixelRatioF() &&
                            std::all_of(m_stillFigures.begin(), m_stillFigures.end(),
                                        [&](const Figure& f) { return m_figures.contains(f); });
    if (!stillHolds) {
        m_stillFigures.clear();
        for (qsizetype i = 0; i < m_figures.size(); ++i)
            if (m_previous.isEmpty() || holds(m_previous, m_figures[i], i))
                m_stillFigures.append(m_figures[i]);
        const qreal ratio = devicePixelRatioF();
        m_still = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
        m_still.setDevicePixelRatio(ratio);
        QPainter still(&m_still);
        still.setFont(font());
        paintFace(still, face, m_stillFigures);
        m_stillFor = size();
        m_stillRatio = ratio;
    }
    p.drawImage(0, 0, m_still);
    const QRect region = event->rect();
    QVector<Figure> moving;
    for (const Figure& f : m_figures)
        if (region.intersects(boxOf(face, f).toAlignedRect()) && !m_stillFigures.contains(f))
            moving.append(f);
    draw(p, face, moving, region, false);
}

// The frame with the caption, the face and these figures on it.
void EyeInset::paintFace(QPainter& p, const Face& face, const QVector<Figure>& figures) const {
    p.fillRect(rect(), kRoom);
    p.setPen(kFace);
    p.drawText(QRect(2 * face.margin, 0, width() - 4 * face.margin, face.band),
               Qt::AlignLeft | Qt::AlignVCenter, m_caption);
    p.fillRect(face.face, kFace);
    draw(p, face, figures, rect(), true);
}

void EyeInset::draw(QPainter& p, const Face& face, const QVector<Figure>& figures,
                    const QRect& region, bool smooth) const {
    if (face.face.isEmpty() || m_seen.isEmpty())
        return;
    p.save();
    p.setClipRect(face.face.intersected(region));
    const QPointF centre = QRectF(face.face).center();
    const auto onFace = [&](QPointF twips) {
        return centre + (twips - m_seen.center()) * face.scale;
    };
    const ScreenInfo screen = ScreenInfo::of(this);
    for (const Figure& f : figures) {
        const double width = kWider * std::max(1, f.drawWidth) * screen.designPixels(1);
        if (f.kind == Figure::Kind::Circle) {
            // The ball smooth, drawn once into the picture kept; a moving dot
            // crisp, as the bench draws its dots.
            p.setRenderHint(QPainter::Antialiasing, smooth);
            QPen pen(toQColor(f.colour), width);
            p.setPen(pen);
            const double r = kWider * f.radius * screen.pixelsPerTwip();
            p.setBrush(f.fillStyle == 0 ? QBrush(toQColor(f.fillColour)) : QBrush());
            p.drawEllipse(onFace(QPointF(f.x1, f.y1)), r, r);
            continue;
        }
        // Lines crisp in whole pixels, as the bench draws them: a smoothed
        // stroke of a fractional width goes through the general stroker, and
        // under a drag every ray crosses the whole inset.
        p.setRenderHint(QPainter::Antialiasing, false);
        QPen pen(toQColor(f.colour), std::max(1.0, std::round(width)));
        pen.setCapStyle(f.drawStyle == 1 ? Qt::FlatCap : Qt::SquareCap);
        if (f.drawStyle == 1)
            pen.setStyle(Qt::DashLine);
        p.setPen(pen);
        // Lines run on far past the bench: only the piece seen is drawn.
        if (const auto piece =
                clipSegment(QLineF(f.x1, f.y1, f.x2, f.y2), face.shown.adjusted(-1, -1, 1, 1)))
            p.drawLine(onFace(piece->line.p1()), onFace(piece->line.p2()));
    }
    p.restore();
}
