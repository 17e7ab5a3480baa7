// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and shut-down of the window.
#include "form1.h"

#include "lessonfile.h"
#include "taskmode.h"

#include <QCoreApplication>

void Form1::Form_Load() {
    InitBench();
    ShowNotation();
}

void Form1::cmdExit_Click() {
    // Answers not in their results file and unsaved changes to the lesson are
    // asked about; then it ends at once.
    if (!m_taskMode->mayQuit() || !m_file->mayDiscardChanges())
        return;
    hide();
    QCoreApplication::exit(0);
}
