#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the documentation's pictures with the program itself: every
# docs/images/NAME.quellor becomes docs/images/NAME.png, the window at the
# pictures' size with that setup and the graph beside the bench, in Russian.
# The `docs_pictures` test fails while a picture differs from what the program
# shows now; run this after changing what the window shows. Argument: the
# build folder (build/ by default), whose quellor is used.
set -euo pipefail
cd "$(dirname "$0")/.."
program="${1:-build}/quellor"
for setup in docs/images/*.quellor; do
    LC_ALL=C.UTF-8 LANGUAGE= QT_QPA_PLATFORM=offscreen \
        "$program" --docs-picture "${setup%.quellor}.png" "$setup"
    echo "${setup%.quellor}.png"
done
