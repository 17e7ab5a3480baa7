// SPDX-License-Identifier: GPL-3.0-or-later
#include "palette.h"

#include "benchstate.h"

namespace Palette {

const Construction& of(const BenchState& bench) {
    return bench.SafePalette ? kSafe : kClassic;
}

} // namespace Palette
