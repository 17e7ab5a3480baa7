// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figure.h"
#include "screeninfo.h"

#include <QRect>
#include <QRectF>
#include <QRegion>
#include <QVector>

// The pixels a figure may touch on an area: what must be painted again when it
// appears or goes. Under a drag only these strips are repainted, not the whole
// area. A line is covered by short boxes along its length, so that a slanting
// ray marks a strip, not its whole bounding box.
// The boxes are appended to `boxes`, to be united with others at once.
void addFigureBoxes(const Figure& figure, const ScreenInfo& screen, const QRectF& pixelArea,
                    QVector<QRect>& boxes);
QRegion figureRegion(const Figure& figure, const ScreenInfo& screen, const QRectF& pixelArea);

// The pixels to paint again for many boxes: each widened to whole tiles, all
// united at once.
QRegion tiledUnionOf(const QVector<QRect>& boxes);
