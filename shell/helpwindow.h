// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "notation.h"

class QWidget;

namespace HelpWindow {
// The help window over the program's window, made when first asked for, its
// pages in the letters of the notation shown now.
void show(QWidget& window, Optics::Notation notation);
} // namespace HelpWindow
