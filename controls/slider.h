// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "inputcodes.h"
#include "twipgeometry.h"

#include <QSlider>
#include <functional>

// A horizontal slider with a whole-number value, ticks below at every value,
// small step 1 and large step 5. It reports every mouse move over it with the
// buttons held, after the thumb has followed the pointer for that move, and
// every other change of its value the user makes (a click in the groove, a
// page or arrow key, the wheel, a thumb moved with another button), once per
// change. A value set by the program reports nothing.
class Slider : public QSlider, public TwipGeometry {
public:
    Slider(QWidget* parent, int maximum);

    int Value() const { return value(); }

    // Where the thumb stands now, in the slider's pixels: a drag starts there.
    QRect thumbRect() const;
    void SetValue(int value);

    InputCodes::MouseHandler onMouseMove;
    std::function<void()> onChange;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool m_settingValue = false;
    bool m_reportingMove = false; // a move with the left button alone: reported as a move
};
