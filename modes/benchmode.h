// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mode.h"

// The bench as a teacher uses it: the object is placed and dragged, every
// parameter and lesson tool acts. Any press, drag or key in the left area
// stops the object's motion first.
class BenchMode : public Mode {
public:
    using Mode::Mode;

    void leftPress(int button, int shift, float x, float y) override;
    void leftMove(int button, int shift, float x, float y) override;
    void leftKey(int keyCode, int shift) override;
    void rightPress(int button, int shift, float x, float y) override;
    bool allows(Action action) const override;
    void drawConstruction() override;
};
