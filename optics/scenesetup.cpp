// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenesetup.h"

namespace SetupFormat {

const std::vector<SceneKind>& sceneKinds() {
    static const std::vector<SceneKind> kinds{
        // The eye: its defect as the contact lens that corrects it
        // (dioptres, negative a myope), the spectacles' power when it wears
        // them (dioptres, at the vertex distance of 1.2 cm).
        {"eye", {{"error", -20, 10, false}, {"spectacles", -25, 25, true}}},
        // The instruments: focal lengths in real centimetres (a Galilean
        // eyepiece negative), the magnifier's view (1: the image at
        // infinity), a screen's distance behind the lens when the teacher
        // moved it off the sharp image, the microscope's lens distance.
        {"magnifier", {{"focal", 1, 20, false}, {"relaxed", 0, 1, true}}},
        {"camera", {{"focal", 1, 50, false}, {"screen", 0.1, 130, true}}},
        {"projector", {{"focal", 1, 50, false}, {"screen", 0.1, 130, true}}},
        {"microscope",
         {{"objective", 0.1, 5, false}, {"eyepiece", 0.5, 10, false}, {"tube", 1.1, 40, false}}},
        {"kepler", {{"objective", 5, 200, false}, {"eyepiece", 0.5, 50, false}}},
        {"galilean", {{"objective", 5, 200, false}, {"eyepiece", -199.5, -0.5, false}}},
    };
    return kinds;
}

const SceneKind* sceneKind(std::string_view kind) {
    for (const SceneKind& k : sceneKinds())
        if (kind == k.kind)
            return &k;
    return nullptr;
}

} // namespace SetupFormat
