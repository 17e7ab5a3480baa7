// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "setupformat.h"

// How far the window's face zooms from the fit, in steps of 1.25, as a setup
// file may name it.
namespace ZoomLimits {
constexpr int kIn = SetupFormat::kZoomIn;
constexpr int kOut = SetupFormat::kZoomOut;
} // namespace ZoomLimits
