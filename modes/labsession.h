// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "benchstate.h"
#include "laboratory.h"
#include "lens.h"
#include "scale.h"

#include <vector>

// The state of the laboratory work: where the screen stands, whether the
// teacher has shown the construction, the rows recorded, and the bench's
// object and view before, to be put back on leaving.
struct LabSession {
    bool active = false;
    bool revealed = false;
    double screen = 0; // twips behind the lens
    std::vector<Lab::Row> rows;
    Optics::Lens rowsLens; // the lens the rows were measured with
    float savedX = 0;
    float savedY = 0;
    Flag savedPlaced = 0;
    Flag savedScheme = 0;
    Optics::Scale savedScale;
    bool graphWasShown = false;
};
