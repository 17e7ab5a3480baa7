// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textmark.h"

#include <QRegion>
#include <QVector>
#include <QWidget>

class PictureBox;
class QFontMetricsF;
class ScreenInfo;

// The top layer of a picture area: the figures drawn on it, over the marks,
// captions and read-outs the area holds, then the area's border and, while the
// area shows that it holds the keyboard focus, a frame. It takes no input.
class FigureLayer : public QWidget {
public:
    explicit FigureLayer(PictureBox* area);

    // Where these names are painted, with a margin for the antialiased edges.
    QRegion textRegion(const QVector<TextMark>& marks) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Calls `use` with each name, its font, and where its baseline starts.
    template <typename Use>
    void placeTexts(const QVector<TextMark>& marks, const ScreenInfo& screen, Use use) const;
    void paintTexts(QPainter& painter, const ScreenInfo& screen, const QRegion& exposed);
    static QRect textBox(const QRectF& box, const QFontMetricsF& metrics);
    void paintBorder(QPainter& painter, int thickness);
    void paintFocus(QPainter& painter, int thickness);

    PictureBox* m_area;
};
