// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

// The program's own small pictures, drawn in code.
namespace Artwork {
// The 30 x 30 emblem in the corner of the window: a lens bending two rays to a focus.
QImage emblem();
// The window icon, at 16 and 32 pixels.
QIcon windowIcon();
QImage iconImage(int size);
// The 26 x 40 pictures of the lens-type buttons, black on dark cyan: the bar
// of the lens symbol with arrowheads outwards (converging) or inwards (diverging).
QImage lensButton(bool converging);
} // namespace Artwork
