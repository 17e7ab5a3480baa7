// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scene.h"

#include <memory>
#include <vector>

// The optical instruments of the course as scenes: the magnifier, the camera,
// the projector, the microscope, the Kepler and the Galilean telescope, in the
// menu's order. Each draws its textbook figure with defaults chosen so that
// it fits the bench at its scale; the library's realistic instruments
// (optics/instruments.h) stay for the numbers a read-out compares with.
namespace Scenes {

std::vector<std::unique_ptr<Scene>> instruments();

} // namespace Scenes
