// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The key codes the handlers compare with: the classic desktop key set, 37 to
// 40 for the arrow keys, the digits by their characters. Plain C++: the
// browser page hands its keys to the lesson in the same codes.
namespace InputCodes {
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;
constexpr int kKeyDigitOne = 49;
} // namespace InputCodes
