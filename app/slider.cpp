#include "slider.h"

#include "inputcodes.h"

#include <QMouseEvent>

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
