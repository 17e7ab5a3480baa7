// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchsnapshot.h"

#include "form1.h"
#include "lessonfile.h"

#include <cmath>

BenchSnapshot BenchSnapshot::of(const Form1& w) {
    return {w.File().current(), w, w.isWindowModified()};
}

void BenchSnapshot::restore(Form1& w) const {
    Setup before = setup;
    before.hasTasks = false; // whatever borrowed the bench is being left, not opened again
    // The letters chosen meanwhile are the teacher's, not the borrower's.
    before.notation = w.ChosenNotation();
    w.ApplyAtOnce([&] {
        w.File().apply(before);
        w.SetUpperRadius(std::fabs(bench.R1));
        w.SetLowerRadius(std::fabs(bench.R2));
        w.ObjectX = bench.ObjectX;
        w.ObjectY = bench.ObjectY;
        w.ObjectPlaced = bench.ObjectPlaced;
    });
    if (!bench.ConstructionShown) {
        w.WipeAreas();
        w.ShowReadouts();
    }
    w.File().updateTitle(modified);
}
