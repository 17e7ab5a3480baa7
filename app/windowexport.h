// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exporter.h"

class Form1;

// What an export takes from the window: the bench's model as it stands now
// (a copy of its state, the notation and scale, what the mode shows) and the
// window itself, whose drawing is the bench's picture. Read only.
namespace WindowExport {
Export::Model modelOf(Form1& window);
} // namespace WindowExport
