// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

    // After answer(): the setup file named on the command line, and the PDF
    // a worksheet is to be written to (empty when none).
    static QString setupFile() { return s_setupFile; }
    static QString worksheet() { return s_worksheet; }

private:
    static QString s_setupFile;
    static QString s_worksheet;
};
