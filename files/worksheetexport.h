// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;
namespace Export {
struct Model;
}

// Ctrl+P: the bench's own worksheet or variants for a class, printed or saved
// as PDF, drawn from the model; the window is the dialogs' parent only.
namespace WorksheetExport {
void print(QWidget* window, const Export::Model& model);
}
