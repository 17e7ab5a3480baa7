// SPDX-License-Identifier: GPL-3.0-or-later
#include "zoomstyle.h"

#include "screeninfo.h"

#include <QApplication>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>
#include <cmath>

ZoomStyle::ZoomStyle(QStyle* base) : QProxyStyle(base) {}

ZoomStyle* ZoomStyle::instance() {
    static QPointer<ZoomStyle> style;
    if (!style) {
        style = new ZoomStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(qApp);
    }
    return style;
}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_SliderThickness:
    case PM_SliderControlThickness:
    case PM_SliderLength:
    case PM_SliderTickmarkOffset: {
        // The style often asks without naming the widget; the option knows it.
        const QWidget* slider = widget;
        if (!slider && option)
            slider = qobject_cast<const QWidget*>(option->styleObject);
        if (slider)
            return std::max(1, int(std::lround(base * ScreenInfo::zoomOf(slider))));
        return base;
    }
    default:
        return base;
    }
}
