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
};
