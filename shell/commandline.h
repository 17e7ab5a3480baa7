// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "task.h"

namespace Export {
class Exporter;
}

#include <QCoreApplication>
#include <QString>
#include <optional>

// What the program answers before it opens a window: --help and --version,
// which need no display, an unknown option, and a session without a display.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    // The exit code when the program should end without a window (its answer
    // written to standard output or standard error), or nothing when the
    // window may open.
    static std::optional<int> answer(int argc, char* argv[]);

    // The one line written when the display named cannot be opened after all
    // (no server there, an unknown platform), in the user's language; made
    // by answer(), which has the translations at hand.
    static QString unusableDisplay();

    // A hidden option for tests: the window shows, paints once, the program
    // prints its peak resident memory (the VmHWM line of /proc/self/status)
    // and ends.
    static constexpr const char* kQuitWhenShown = "quit-when-shown";
    // A hidden option for tests: with --tasks, the series is printed, one
    // task a line (kind, lens type, n1, N, n2, the signed radii of the left
    // and right surface and the object point, twips), and the program ends.
    static constexpr const char* kListTasks = "list-tasks";
    // A hidden option for the documentation: with a setup, the window's
    // picture is written to this PNG file and the program ends.
    static constexpr const char* kDocsPicture = "docs-picture";

    // After answer(): the setup file named on the command line, and the PDF
    // a worksheet is to be written to (empty when none).
    static QString setupFile() { return s_setupFile; }
    static QString worksheet() { return s_worksheet; }
    // The exporter that writes it.
    static const Export::Exporter& exporter();
    static QString docsPicture() { return s_docsPicture; }
    // The seed of a series of tasks to open with (--tasks SEED), if named.
    static std::optional<quint64> taskSeed() { return s_taskSeed; }
    // The level of that series (--level), and for a worksheet of it the
    // variants (--variants) and the tasks on each (--per-sheet).
    static Tasks::Level taskLevel() { return s_taskLevel; }
    static int variants() { return s_variants; }
    static int tasksPerSheet() { return s_tasksPerSheet; }
    // The results file each answer of that series is added to (--results).
    static QString resultsFile() { return s_resultsFile; }
    // Whether the laboratory work opens with the window (--lab).
    static bool lab() { return s_lab; }

private:
    static QString s_unusableDisplay;
    static QString s_setupFile;
    static QString s_worksheet;
    static QString s_docsPicture;
    static std::optional<quint64> s_taskSeed;
    static Tasks::Level s_taskLevel;
    static int s_variants;
    static int s_tasksPerSheet;
    static QString s_resultsFile;
    static bool s_lab;
};
