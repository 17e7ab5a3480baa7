// SPDX-License-Identifier: GPL-3.0-or-later
#include "textmark.h"

#include "screeninfo.h"

#include <QFontMetricsF>
#include <QWidget>

QFont TextMark::font(double zoom) const {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points * zoom);
    font.setBold(bold);
    return font;
}

QSizeF TextMark::measuredTwips(const QWidget* area) const {
    const ScreenInfo screen = ScreenInfo::of(area);
    const QFontMetricsF metrics(font(screen.zoom()), area);
    return {screen.toTwips(metrics.horizontalAdvance(text)),
            screen.toTwips(metrics.ascent() + metrics.descent())};
}
