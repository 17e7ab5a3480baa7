// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

// The program's own small pictures, drawn in code.
namespace Artwork {
// The pictures are laid out in pixels at 96 dpi; `scale` gives the device
// pixels of one laid-out pixel, so the window can have them drawn sharp at any
// size. At scale 1 they are the laid-out pixels exactly.

// The 30 x 30 emblem in the corner of the window: a lens bending two rays to a focus.
QImage emblem(double scale = 1);
// The window icon, at 16 and 32 pixels.
QIcon windowIcon();
QImage iconImage(int size);
// The 26 x 40 pictures of the lens-type buttons, black on dark cyan: the bar
// of the lens symbol with arrowheads outwards (converging) or inwards (diverging).
QImage lensButton(bool converging, double scale = 1);
} // namespace Artwork
