// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A scene as the setup file keeps it: "scene": {"kind": "eye", ...its
// parameters}, numbers each, in the units the teacher reads (dioptres, real
// centimetres). Each kind names the parameters it takes and their ranges, so
// that the reader checks a scene as it checks everything else before any of
// it is used.
namespace SetupFormat {

struct SceneSetup {
    std::string kind;
    // name, value; in the kind's order as written.
    std::vector<std::pair<std::string, double>> parameters;
    bool operator==(const SceneSetup&) const = default;

    // The value named, or `otherwise` where the scene has none.
    double value(std::string_view name, double otherwise) const {
        for (const auto& [n, v] : parameters)
            if (n == name)
                return v;
        return otherwise;
    }
};

// A parameter a kind takes: its name, its range, whether it may be absent.
struct SceneParameter {
    const char* name;
    double least;
    double greatest;
    bool optional;
};
struct SceneKind {
    const char* kind;
    std::vector<SceneParameter> parameters;
};

// Every kind the reader takes, with its parameters.
const std::vector<SceneKind>& sceneKinds();
const SceneKind* sceneKind(std::string_view kind);

} // namespace SetupFormat
