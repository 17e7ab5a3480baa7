// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class PictureBox;
class ScreenInfo;

// The top layer of a picture area: the figures drawn on it, over the marks,
// captions and read-outs the area holds, then the area's border and, while the
// area shows that it holds the keyboard focus, a frame. It takes no input.
class FigureLayer : public QWidget {
public:
    explicit FigureLayer(PictureBox* area);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintTexts(QPainter& painter, const ScreenInfo& screen);
    void paintBorder(QPainter& painter, int thickness);
    void paintFocus(QPainter& painter, int thickness);

    PictureBox* m_area;
};
