// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The lesson strip: a row of buttons below the panel, one slot each, for the
// lesson's layers and tools. Window twips. The last slots hold short captions
// (the tasks, the laboratory work, the optical system) and are narrower, so
// that the row of fourteen fits the face's width (15120 twips).
namespace LessonStrip {
constexpr float kTop = 10500;
constexpr float kHeight = 375;
constexpr float kWidth = 1110;
constexpr float kFirstLeft = 150;
constexpr float kPitch = 1150;
constexpr int kWideSlots = 10;
constexpr float kNarrowWidth = 840;
constexpr float kNarrowPitch = 850;
constexpr int kSlots = 14;

constexpr float left(int slot) {
    return slot < kWideSlots
               ? kFirstLeft + slot * kPitch
               : kFirstLeft + kWideSlots * kPitch + (slot - kWideSlots) * kNarrowPitch;
}
constexpr float width(int slot) {
    return slot < kWideSlots ? kWidth : kNarrowWidth;
}
} // namespace LessonStrip
