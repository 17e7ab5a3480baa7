// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How far the window's face zooms from the fit, in steps of 1.25.
namespace ZoomLimits {
constexpr int kIn = 8;
constexpr int kOut = -6;
} // namespace ZoomLimits
