#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Quellor and runs the whole suite headless:
# once as built for use (with the end-to-end test under Xvfb), the packages
# with their checks, a minute of fuzzing, then the suite again under
# AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
jobs=$(nproc)

echo "== The browser test's npm packages, as the lockfile pins them =="
npm ci --prefix tests/web --no-audit --no-fund
# The browser page is built and its test must run, not be skipped.
export QUELLOR_WEB_REQUIRED=1

echo "== Build and test =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELLOR_WEB=ON >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Packages: .deb and .rpm, checked with lintian and rpmlint =="
scripts/package.sh

echo "== Fuzz the handlers for 60 s (libFuzzer, AddressSanitizer, UBSan) =="
scripts/fuzz.sh 60

echo "== Build and test under AddressSanitizer and UndefinedBehaviorSanitizer =="
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUELLOR_SANITIZE=ON -DQUELLOR_WEB=OFF >/dev/null
cmake --build build-asan -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure -j "$jobs" -LE 'e2e|web'
