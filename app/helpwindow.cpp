// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

void Form1::ShowHelp() {}
