// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchlens.h"

#include "bench.h"
#include "benchoptics.h"

#include <cmath>

namespace Optics {

Lens lensOf(const BenchState& bench) {
    const bool biconcaveLayout = bench.R1Sign < 0;
    return Bench::lensOf(bench.n1, bench.N, bench.n2, biconcaveLayout ? -bench.R2 : bench.R1,
                         biconcaveLayout ? -bench.R1 : bench.R2);
}

Axial::System constructionSystem(const BenchState& bench) {
    // A plano lens one index above the medium before it: P = 1 / R1.
    const double P =
        (bench.IsConverging != kFalse ? 1 : -1) * bench.n2 / Bench::cmOf(std::fabs(bench.f2));
    Axial::System system;
    system.media = {bench.n1, bench.n2};
    system.elements = {{0, Axial::ThinLens{bench.n1 + 1, 1 / P, Axial::kInfinite}}};
    system.object = {Bench::zOf(bench.ObjectX), Bench::heightOf(bench.ObjectY)};
    return system;
}

bool objectOnBench(const BenchState& bench) {
    return bench.ObjectPlaced && bench.ObjectX < Bench::kLensX && std::isfinite(bench.ObjectX) &&
           std::isfinite(bench.ObjectY);
}

} // namespace Optics

namespace Bench {

namespace {
constexpr double kMotionMargin = 150;
constexpr double kMotionNearest = 0.5;
} // namespace

Motion::Path motionPath(double frontFocal, double speedCm) {
    return Motion::pathBetween(zOf(kMotionMargin), -kMotionNearest, frontFocal, speedCm);
}

Measurements::Row measure(const Optics::Lens& lens, double objectX, double objectY,
                          Optics::Scale scale) {
    Measurements::Row row = Measurements::measure(lens, zOf(objectX), heightOf(objectY), scale);
    if (imageOf(lens, objectX, objectY).kind == Optics::ImageKind::None) {
        row.kind = Optics::ImageKind::None;
        row.b = 0;
        row.magnification = 0;
    }
    return row;
}

} // namespace Bench
