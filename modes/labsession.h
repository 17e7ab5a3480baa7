// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "benchsnapshot.h"
#include "laboratory.h"
#include "lens.h"

#include <QString>

#include <vector>

// The state of the laboratory work: where the screen stands, whether the
// teacher has shown the construction, the rows recorded, and the bench
// before, to be put back whole on leaving.
struct LabSession {
    bool active = false;
    bool revealed = false;
    // A pupil's laboratory (the program started for the work alone): neither
    // left for the bench nor revealed, since both would show the foci.
    bool pupil = false;
    // Who did the work, as the report names them: name and class.
    QString author;
    double screen = 0; // twips behind the lens
    std::vector<Lab::Row> rows;
    Optics::Lens rowsLens; // the lens the rows were measured with
    BenchSnapshot before;  // the bench before the work
    bool graphWasShown = false;
};
