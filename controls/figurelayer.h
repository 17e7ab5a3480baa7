// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textmark.h"

#include <QFont>
#include <QRegion>
#include <QStaticText>
#include <QVector>
#include <QWidget>
#include <vector>

class PictureBox;
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
    // A name shaped once in its font at the window's zoom, then measured and
    // drawn as often as a drag asks: shaping is most of what a name costs.
    struct LaidText {
        QString text;
        double points = 0;
        bool bold = false;
        double zoom = 0;
        int dpi = 0;
        QFont font;
        QStaticText glyphs;
        double advance = 0;
        double ascent = 0;
        double descent = 0;
        double height = 0;
    };
    const LaidText& laidOut(const TextMark& mark, const ScreenInfo& screen) const;
    // Calls `use` with each name, its layout, and the top left of its box.
    template <typename Use>
    void placeTexts(const QVector<TextMark>& marks, const ScreenInfo& screen, Use use) const;
    void paintTexts(QPainter& painter, const ScreenInfo& screen, const QRegion& exposed);
    static QRect textBox(QPointF topLeft, const LaidText& text);
    void paintBorder(QPainter& painter, int thickness);
    void paintFocus(QPainter& painter, int thickness);

    PictureBox* m_area;
    mutable std::vector<LaidText> m_laid;
};
