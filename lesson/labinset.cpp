// SPDX-License-Identifier: GPL-3.0-or-later
#include "labinset.h"

#include "benchgeometry.h"
#include "lens.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {
const QColor kRoom(60, 60, 70);    // the dark room around the screen
const QColor kFace(255, 255, 255); // the screen
const QColor kLight(25, 25, 25);   // the picture: the flame's light, at full strength black ink
// A sharp picture is drawn with lines this wide, in twips of the screen.
constexpr double kSharpLine = 45;
// The spread is painted as nested strokes, the widest faintest: a disc's
// blur across a line, in steps.
constexpr int kBlurSteps = 4;
constexpr double kFaceMargin = 0.03; // of the inset's height
// A picture that outgrows the screen's half is shown with this much room.
constexpr double kPictureRoom = 1.05;
// A spread picture is drawn with this many device pixels across its spread,
// and never coarser than a quarter of the device's pixels.
constexpr double kPixelsPerSpread = 12;
constexpr double kCoarsest = 0.25;
} // namespace

LabInset::LabInset(QWidget* parent) : QWidget(parent), TwipGeometry(this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LabInset::show(const Lab::ScreenPicture& picture, double objectHeight, double screenHalf) {
    const Lab::ScreenPicture& was = m_picture;
    if (picture.caught == was.caught && picture.blur == was.blur && picture.scale == was.scale &&
        picture.brightness == was.brightness && objectHeight == m_objectHeight &&
        screenHalf == m_screenHalf)
        return; // nothing on the face changes
    m_picture = picture;
    m_objectHeight = objectHeight;
    m_screenHalf = screenHalf;
    m_faceStale = true;
    update();
}

void LabInset::setNote(const QString& note) {
    if (note == m_note)
        return;
    m_note = note;
    update();
}

QRect LabInset::face() const {
    const int margin = int(std::lround(kFaceMargin * height()));
    return rect().adjusted(margin, margin, -margin, -margin);
}

void LabInset::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kRoom);
    const QRect screen = face();
    if (screen.isEmpty())
        return;
    // A face drawn coarser than the device (a wide blur) is spread smoothly
    // over it; one drawn at the device's pixels is copied as it is.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(screen, faceImage(screen.size()));
    if (!m_note.isEmpty()) {
        const int margin = screen.left();
        p.setPen(Qt::black);
        p.drawText(screen.adjusted(margin, margin, -margin, -margin),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_note);
    }
}

const QImage& LabInset::faceImage(QSize face) {
    if (m_faceStale || m_face.isNull() || m_faceFor != face || m_faceRatio != devicePixelRatioF()) {
        m_face = drawFace(face);
        m_faceFor = face;
        m_faceRatio = devicePixelRatioF();
        m_faceStale = false;
    }
    return m_face;
}

QImage LabInset::drawFace(QSize face) const {
    const qreal ratio = devicePixelRatioF();
    // Screen twips to pixels: the screen's height fills the face, or, for a
    // picture taller than the screen's half (magnified, or spread wide), the
    // whole picture does: its tip with the arrowhead and its blur.
    const double picture = kPictureRoom * (std::fabs(m_picture.scale) * m_objectHeight +
                                           (m_picture.blur + kSharpLine) / 2);
    const double shown = std::isfinite(picture) ? std::max(m_screenHalf, picture) : m_screenHalf;
    const double perTwip = face.height() / (2 * shown);
    const double spread = m_picture.blur * perTwip;
    // A picture spread over many pixels holds no detail finer than a share
    // of its spread: it is drawn that much coarser, which the wide strokes'
    // filling, nearly all of a repaint, pays for by area.
    const double detail = std::clamp(kPixelsPerSpread / (spread * ratio), kCoarsest, 1.0);
    QImage image((QSizeF(face) * ratio * detail).toSize().expandedTo(QSize(1, 1)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(kFace);
    QPainter p(&image);
    p.scale(ratio * detail, ratio * detail);

    const QPointF foot(face.width() / 2.0, face.height() / 2.0);
    const QPointF tip = foot - QPointF(0, m_picture.scale * m_objectHeight * perTwip);
    QPainterPath figure(foot);
    figure.lineTo(tip);
    const Optics::Arrowhead head =
        Optics::arrowheadAt(tip.x(), tip.y(), foot.x(), foot.y(),
                            Optics::kArrowheadLength * std::fabs(m_picture.scale) * perTwip);
    if (head.drawn) {
        figure.moveTo(head.left.x2, head.left.y2);
        figure.lineTo(tip);
        figure.lineTo(head.right.x2, head.right.y2);
    }
    // A line of the sharp picture spreads by the disc's diameter and keeps its
    // light: the nested strokes add up to the brightness at the middle.
    const double sharp = std::max(1.0, kSharpLine * perTwip);
    const double brightness = std::clamp(m_picture.brightness, 0.0, 1.0);
    const double each = 1 - std::pow(1 - brightness, 1.0 / kBlurSteps);
    QColor ink = kLight;
    ink.setAlphaF(float(each));
    for (int step = 0; step < kBlurSteps; ++step) {
        const double width = sharp + spread * (kBlurSteps - step) / kBlurSteps;
        // Only the narrowest stroke needs smooth edges: the wider ones lie
        // within the blur, where a pixel's step in the edge cannot be seen,
        // and without antialiasing they cost a fraction to fill.
        p.setRenderHint(QPainter::Antialiasing, step + 1 == kBlurSteps);
        QPen pen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.strokePath(figure, pen);
    }
    return image;
}
