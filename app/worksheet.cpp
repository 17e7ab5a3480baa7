// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

void Form1::PrintWorksheet() {}
bool Form1::WriteWorksheet(const QString&, QString*) {
    return false;
}
