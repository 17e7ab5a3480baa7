// SPDX-License-Identifier: GPL-3.0-or-later
#include "slider.h"

#include "inputcodes.h"
#include "zoomstyle.h"

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

Slider::Slider(QWidget* parent, int maximum) : QSlider(Qt::Horizontal, parent), TwipGeometry(this) {
    setStyle(ZoomStyle::instance());
    setRange(0, maximum);
    setSingleStep(1);
    setPageStep(5);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
    SetValue(0);
    connect(this, &QSlider::valueChanged, this, [this] {
        if (!m_settingValue && !m_reportingMove && onChange)
            onChange();
    });
}

void Slider::SetValue(int value) {
    m_settingValue = true;
    setValue(value);
    m_settingValue = false;
}

// A drag with the left button alone reports each move, whether the value
// changed or not; the change it makes is not reported a second time.
void Slider::mouseMoveEvent(QMouseEvent* event) {
    const int buttons = InputCodes::buttonCode(event->buttons());
    m_reportingMove = buttons == 1 && onMouseMove;
    QSlider::mouseMoveEvent(event);
    m_reportingMove = false;
    InputCodes::report(onMouseMove, buttons, event, this);
}

QRect Slider::thumbRect() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}
