#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmark in Release (build-bench/) and runs it with the window
# offscreen. Extra arguments go to Google Benchmark, e.g.
# --benchmark_filter=SliderDragEvent.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUELLOR_BENCH=ON >/dev/null
cmake --build build-bench --target quellor_bench -j "$(nproc)"
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 ./build-bench/bench/quellor_bench "$@"
