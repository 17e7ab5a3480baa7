#pragma once

#include <Qt>

// Mouse buttons, shift state and keys as the handlers see them: buttons 1 left,
// 2 right, 4 middle (summed for the buttons held), shift 1 Shift, 2 Ctrl, 4 Alt,
// and key codes of the classic desktop key set (37 to 40 for the arrow keys).
namespace InputCodes {
int buttonCode(Qt::MouseButtons buttons);
int shiftCode(Qt::KeyboardModifiers modifiers);
int keyCode(int qtKey);
} // namespace InputCodes
