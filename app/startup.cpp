// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and shut-down of the window.
#include "form1.h"

#include <QCoreApplication>

void Form1::Form_Load() {
    InitBench();
}

void Form1::cmdExit_Click() {
    // End at once: nothing is asked or saved, and no other handler runs.
    hide();
    QCoreApplication::exit(0);
}
