// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "benchstate.h"
#include "setupfile.h"

// The bench as it stood before something borrowed it (a series of tasks, the
// laboratory work, the worksheets of a class drawn on it), to be put back
// whole through the bench view (BenchView::Snapshot, BenchView::Restore): the
// setup brings back the lens, the media, the view, the layers, the scale and
// the zoom; the exact radii and the object point follow, all in one step, and
// the title's mark of unsaved changes is as it was, unless a file was saved or
// opened meanwhile: the bench put back then differs from the file on disk.
struct BenchSnapshot {
    Setup setup;
    BenchState bench;
    bool modified = false;
    // LessonFile::fileChanges() when it was taken.
    int fileChanges = 0;
};
