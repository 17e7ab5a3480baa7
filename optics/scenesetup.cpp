// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenesetup.h"

namespace SetupFormat {

const std::vector<SceneKind>& sceneKinds() {
    static const std::vector<SceneKind> kinds{
        // The eye: its defect as the contact lens that corrects it
        // (dioptres, negative a myope), the spectacles' power when it wears
        // them (dioptres, at the vertex distance of 1.2 cm).
        {"eye", {{"error", -20, 10, false}, {"spectacles", -25, 25, true}}},
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
