// SPDX-License-Identifier: GPL-3.0-or-later
#include "eyeinset.h"

#include "rgbcolor.h"
#include "screeninfo.h"
#include "segmentclip.h"

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
    m_figures = std::move(figures);
    m_seen = seen;
    m_magnified = magnified;
    m_caption = caption;
    update();
}

void EyeInset::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kRoom);
    const int margin = std::max(1, int(std::lround(kFaceMargin * height())));
    // The caption on the frame above the face, where no figure runs under it.
    const int band = int(std::ceil(p.fontMetrics().height())) + margin;
    const QRect face = rect().adjusted(margin, band, -margin, -margin);
    p.setPen(kFace);
    p.drawText(QRect(2 * margin, 0, width() - 4 * margin, band), Qt::AlignLeft | Qt::AlignVCenter,
               m_caption);
    if (face.isEmpty() || m_seen.isEmpty())
        return;
    p.fillRect(face, kFace);
    p.setClipRect(face);
    p.setRenderHint(QPainter::Antialiasing);
    // The bench's twips to the face's pixels, as many times larger as said,
    // about the middle of the part seen.
    const double scale = m_magnified * ScreenInfo::of(this).pixelsPerTwip();
    const QPointF centre = QRectF(face).center();
    const auto onFace = [&](QPointF twips) { return centre + (twips - m_seen.center()) * scale; };
    QRectF shown(QPointF(), QSizeF(face.size()) / scale);
    shown.moveCenter(m_seen.center());
    const double pixel = ScreenInfo::of(this).designPixels(1);
    for (const Figure& f : m_figures) {
        QPen pen(toQColor(f.colour), kWider * std::max(1, f.drawWidth) * pixel);
        pen.setCapStyle(Qt::FlatCap);
        if (f.drawStyle == 1)
            pen.setStyle(Qt::DashLine);
        p.setPen(pen);
        if (f.kind == Figure::Kind::Circle) {
            const double r = kWider * f.radius * ScreenInfo::of(this).pixelsPerTwip();
            p.setBrush(f.fillStyle == 0 ? QBrush(toQColor(f.fillColour)) : QBrush());
            p.drawEllipse(onFace(QPointF(f.x1, f.y1)), r, r);
            continue;
        }
        // Lines run on far past the bench: only the piece seen is drawn.
        if (const auto piece =
                clipSegment(QLineF(f.x1, f.y1, f.x2, f.y2), shown.adjusted(-1, -1, 1, 1)))
            p.drawLine(onFace(piece->line.p1()), onFace(piece->line.p2()));
    }
}
