// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The lesson strip: a row of buttons below the panel, one slot each, for the
// lesson's layers and tools. Window twips. The last slots hold short captions
// (the tasks, the laboratory work) and are narrower, so that the row fits the
// face's width.
namespace LessonStrip {
constexpr float kTop = 10500;
constexpr float kHeight = 375;
constexpr float kWidth = 1200;
constexpr float kFirstLeft = 150;
constexpr float kPitch = 1245;
constexpr int kWideSlots = 10;
constexpr float kNarrowWidth = 790;
constexpr float kNarrowPitch = 800;
constexpr int kSlots = 13;

constexpr float left(int slot) {
    return slot < kWideSlots
               ? kFirstLeft + slot * kPitch
               : kFirstLeft + kWideSlots * kPitch + (slot - kWideSlots) * kNarrowPitch;
}
constexpr float width(int slot) {
    return slot < kWideSlots ? kWidth : kNarrowWidth;
}
} // namespace LessonStrip
