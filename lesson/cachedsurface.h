// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "twipgeometry.h"

#include <QPixmap>
#include <QWidget>

// A control over the bench whose picture changes rarely while the bench
// beneath it repaints on every drag event: it is drawn once into a pixmap
// kept for its size and device pixel ratio, and that pixmap is blitted on
// every paint. A change of font, or `redraw()`, draws it again.
class QPainter;

class CachedSurface : public QWidget, public TwipGeometry {
protected:
    explicit CachedSurface(QWidget* parent);

    // Draws the whole control; the painter's font is the control's.
    virtual void draw(QPainter& p) = 0;
    // What was drawn is stale: drawn again at the next paint.
    void redraw();

    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QPixmap m_drawn;
};
