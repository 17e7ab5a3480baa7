// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figure.h"
#include "twipgeometry.h"

#include <QFontMetricsF>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QVector>
#include <QWidget>

class QPainter;

// The eye magnified, in a corner of the bench: at 1 : 2 its ball is a
// centimetre of the screen, too small for a class to see whether the image
// falls before the retina, on it or behind it. The inset draws the bench's
// own figures about the eye (the ball, its lens, the retina, the rays and
// the image's point) several times larger, framed as the laboratory's screen.
class EyeInset : public QWidget, public TwipGeometry {
public:
    explicit EyeInset(QWidget* parent);

    // The figures of both areas in the bench's twips (the left area's as they
    // are, the right area's moved on by its width), the part of the bench
    // they are seen in, about its middle, `magnified` times as large as the
    // bench shows it; drawn again only when something changed.
    void show(QVector<Figure> figures, const QRectF& seen, double magnified,
              const QString& caption);
    const QVector<Figure>& figures() const { return m_figures; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Face {
        int margin = 1;
        int band = 1;
        QRect face;
        double scale = 1; // pixels per twip of the bench
        QRectF shown;     // the bench's twips the face shows
    };
    Face faceOf(const QFontMetricsF& metrics) const;
    QRectF boxOf(const Face& face, const Figure& f) const;
    static bool holds(const QVector<Figure>& figures, const Figure& f, qsizetype at);
    void paintFace(QPainter& p, const Face& face, const QVector<Figure>& figures) const;
    // Smooth: the circles antialiased, for a picture drawn once.
    void draw(QPainter& p, const Face& face, const QVector<Figure>& figures, const QRect& region,
              bool smooth) const;

    QVector<Figure> m_figures;
    QVector<Figure> m_previous;
    QImage m_still;
    QVector<Figure> m_stillFigures;
    QSize m_stillFor;
    qreal m_stillRatio = 0;
    QRectF m_seen;
    double m_magnified = 1;
    QString m_caption;
};
