// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The lesson strip: a row of buttons below the panel, one slot each, for the
// lesson's layers and tools. Window twips.
namespace LessonStrip {
constexpr float kTop = 10500;
constexpr float kHeight = 375;
constexpr float kWidth = 1200;
constexpr float kFirstLeft = 150;
constexpr float kPitch = 1245;
constexpr int kSlots = 12;

constexpr float left(int slot) {
    return kFirstLeft + slot * kPitch;
}
} // namespace LessonStrip
