// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "inputcodes.h"
#include "twipgeometry.h"

#include <QSlider>

// A horizontal slider with a whole-number value, ticks below at every value,
// small step 1 and large step 5. It reports every mouse move over it with the
// buttons held, after the thumb has followed the pointer for that move.
class Slider : public QSlider, public TwipGeometry {
public:
    Slider(QWidget* parent, int maximum);

    int Value() const { return value(); }

    // Where the thumb stands now, in the slider's pixels: a drag starts there.
    QRect thumbRect() const;
    void SetValue(int value) { setValue(value); }

    InputCodes::MouseHandler onMouseMove;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};
