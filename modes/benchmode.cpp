// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchmode.h"

#include "form1.h"
#include "lessontools.h"

void BenchMode::leftPress(int button, int shift, float x, float y) {
    window().Lesson().stopMotion();
    window().picLeft_MouseDown(button, shift, x, y);
}

void BenchMode::leftMove(int button, int shift, float x, float y) {
    if (button != 0)
        window().Lesson().stopMotion();
    window().picLeft_MouseMove(button, shift, x, y);
}

void BenchMode::leftKey(int keyCode, int shift) {
    window().Lesson().stopMotion();
    window().picLeft_KeyDown(keyCode, shift);
}

void BenchMode::rightPress(int, int, float, float) {
    // The image side takes no input of its own.
}

bool BenchMode::allows(Action action) const {
    // There is no task to move on from, and no laboratory work to show or save.
    return action != Action::NextTask && action != Action::Leave && action != Action::LabReveal &&
           action != Action::LabSave && action != Action::LabDeleteRow;
}

void BenchMode::drawConstruction() {
    if (window().ObjectPlaced)
        window().DrawRayDiagram();
}
