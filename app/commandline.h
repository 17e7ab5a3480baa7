// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
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

private:
    static QString s_unusableDisplay;
};
