// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keycodes.h"

#include <Qt>
#include <functional>

class QMouseEvent;
class QWidget;

// Mouse buttons, shift state and keys as the handlers see them: buttons 1 left,
// 2 right, 4 middle (summed for the buttons held), shift 1 Shift, 2 Ctrl, 4 Alt,
// and key codes of the classic desktop key set (keycodes.h).
namespace InputCodes {
int buttonCode(Qt::MouseButtons buttons);
int shiftCode(Qt::KeyboardModifiers modifiers);
int keyCode(int qtKey);

// Mouse handlers get the button code (1 left, 2 right, 4 middle; for a move the
// sum of the buttons held), the shift state and the position in twips of the
// control; key handlers the key code and the shift state.
using MouseHandler = std::function<void(int button, int shift, float x, float y)>;
using KeyHandler = std::function<void(int keyCode, int shift)>;

// Hands a mouse event of `control` to `handler`, if there is one.
void report(const MouseHandler& handler, int button, const QMouseEvent* event,
            const QWidget* control);
// Whether a control shows that it holds the focus, after gaining it for this
// reason: a click puts the focus there without a frame, the keyboard and the
// program with one; a window coming back to the front, or a popup closing,
// keeps what was shown.
bool focusFrameAfter(Qt::FocusReason reason, bool shown);

} // namespace InputCodes
