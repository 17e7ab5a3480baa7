// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchmode.h"

#include "benchview.h"
#include "lessontools.h"

void BenchMode::leftPress(int button, int shift, float x, float y) {
    view().Lesson().stopMotion();
    view().PlaceByPress(button, shift, x, y);
}

void BenchMode::leftMove(int button, int shift, float x, float y) {
    if (button != 0)
        view().Lesson().stopMotion();
    view().PlaceByDrag(button, shift, x, y);
}

void BenchMode::leftKey(int keyCode, int shift) {
    view().Lesson().stopMotion();
    view().PlaceByKey(keyCode, shift);
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
    if (view().State().ObjectPlaced)
        view().DrawRays();
}
