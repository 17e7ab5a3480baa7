// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene.h"

#include "eyescene.h"
#include "instrumentscenes.h"

namespace Scenes {

std::vector<std::unique_ptr<Scene>> all() {
    std::vector<std::unique_ptr<Scene>> scenes;
    scenes.push_back(std::make_unique<EyeScene>());
    // The instruments follow the eye, in the menu's order.
    for (auto& instrument : instruments())
        scenes.push_back(std::move(instrument));
    return scenes;
}

} // namespace Scenes
