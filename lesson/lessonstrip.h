// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The lesson strip: a row of buttons below the panel, one slot each, for the
// lesson's layers and tools. Window twips. Each slot is as wide as its longer
// caption of the two languages needs (with the button's margins, at the
// smallest fit, 1366 x 768), so that the row of fourteen fits the face's
// width of 15120.
namespace LessonStrip {
constexpr float kTop = 10500;
constexpr float kHeight = 375;
constexpr float kFirstLeft = 150;
constexpr float kGap = 40;
constexpr int kSlots = 14;
// Подписи, Третий луч, Палитра, Движение, График, Записать, Открыть…,
// Сохранить…, Печать…, Справка, Задача, Дальше, Опыт, Система.
constexpr float kWidths[kSlots] = {1080, 1200, 1080, 1140, 1000, 1100, 1140,
                                   1230, 1080, 1080, 800,  800,  760,  900};

constexpr float width(int slot) {
    return kWidths[slot];
}
constexpr float left(int slot) {
    float at = kFirstLeft;
    for (int i = 0; i < slot; ++i)
        at += kWidths[i] + kGap;
    return at;
}
static_assert(left(kSlots - 1) + width(kSlots - 1) <= 15120 - 60, "the strip fits the face");
} // namespace LessonStrip
