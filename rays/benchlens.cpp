// SPDX-License-Identifier: GPL-3.0-or-later
#include "benchlens.h"

#include "bench.h"

#include <cmath>

namespace Optics {

Lens lensOf(const BenchState& bench) {
    const bool biconcaveLayout = bench.R1Sign < 0;
    return {bench.n1, bench.N, bench.n2, biconcaveLayout ? -bench.R2 : bench.R1,
            biconcaveLayout ? -bench.R1 : bench.R2};
}

ThinLens thinLens(const BenchState& bench) {
    return thinLens(bench.f2, bench.n1, bench.n2, bench.IsConverging != kFalse);
}

bool objectOnBench(const BenchState& bench) {
    return bench.ObjectPlaced && bench.ObjectX < Bench::kLensX && std::isfinite(bench.ObjectX) &&
           std::isfinite(bench.ObjectY);
}

} // namespace Optics
