// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figure.h"
#include "twipgeometry.h"

#include <QRectF>
#include <QString>
#include <QVector>
#include <QWidget>

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
    QVector<Figure> m_figures;
    QRectF m_seen;
    double m_magnified = 1;
    QString m_caption;
};
