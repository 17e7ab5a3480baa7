// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGraphicsEllipseItem>
#include <QPixmap>

// The moving point on a plot: a filled dot drawn once for its colour and the
// screen's pixel ratio, then only copied as the object is dragged, since the
// plot repaints it at every step of a drag.
class MarkerDot : public QGraphicsEllipseItem {
public:
    MarkerDot(double diameter, QGraphicsItem* parent);

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QPixmap m_face;
    QColor m_faceColour;
};
