#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang (build-fuzz/) and fuzzes for a while,
# 600 seconds unless a number of seconds is given: two thirds of it the
# window's handlers, one third the setup-file reader (seeded from
# tests/fuzz/setup-corpus). The corpora grow in build-fuzz/corpus and
# build-fuzz/setup-corpus; an input that crashes, hangs (10 s) or leaks lands
# in build-fuzz/artifacts and the run fails.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
seconds=${1:-600}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELLOR_FUZZ=ON \
    -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz --target fuzz_handlers fuzz_setup fuzz_results -j "$(nproc)"
mkdir -p build-fuzz/corpus build-fuzz/setup-corpus build-fuzz/artifacts
cp -n tests/fuzz/setup-corpus/* build-fuzz/setup-corpus/
export ASAN_OPTIONS=abort_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fuzzer=./build-fuzz/tests/fuzz/fuzz_handlers
common=(-timeout=10 -rss_limit_mb=4096 -artifact_prefix=build-fuzz/artifacts/)

reader_seconds=$((seconds / 3))
seconds=$((seconds - reader_seconds))
echo "== Fuzzing the handlers for $seconds s =="
# Leak checks after every input would cost four fifths of the speed: the
# search runs without them, and the corpus it found is replayed with them.
"$fuzzer" build-fuzz/corpus "${common[@]}" -max_total_time="$seconds" -max_len=512 \
    -detect_leaks=0 -print_final_stats=1

echo "== Replaying the corpus with leak checks =="
"$fuzzer" build-fuzz/corpus "${common[@]}" -runs=0 -detect_leaks=1

echo "== Fuzzing the setup reader for $reader_seconds s =="
reader=./build-fuzz/tests/fuzz/fuzz_setup
"$reader" build-fuzz/setup-corpus "${common[@]}" -max_total_time="$reader_seconds" \
    -max_len=4096 -detect_leaks=0 -print_final_stats=1
echo "== Replaying the reader's corpus with leak checks =="
"$reader" build-fuzz/setup-corpus "${common[@]}" -runs=0 -detect_leaks=1
