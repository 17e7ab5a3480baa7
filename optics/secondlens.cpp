// SPDX-License-Identifier: GPL-3.0-or-later
#include "secondlens.h"

namespace Optics {

Axial::System withSecondLens(Axial::System system, const SecondLens& second) {
    const double firstZ = system.elements.empty() ? 0 : system.elements.front().z;
    system.elements.push_back({firstZ + second.distance, second.lens});
    system.media.push_back(second.after);
    return system;
}

} // namespace Optics
