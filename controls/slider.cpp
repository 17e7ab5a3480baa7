// SPDX-License-Identifier: GPL-3.0-or-later
#include "slider.h"

#include "inputcodes.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

Slider::Slider(QWidget* parent, int maximum) : QSlider(Qt::Horizontal, parent), TwipGeometry(this) {
    setRange(0, maximum);
    setSingleStep(1);
    setPageStep(5);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
    setValue(0);
}

void Slider::mouseMoveEvent(QMouseEvent* event) {
    QSlider::mouseMoveEvent(event);
    InputCodes::report(onMouseMove, InputCodes::buttonCode(event->buttons()), event, this);
}

QRect Slider::thumbRect() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}
