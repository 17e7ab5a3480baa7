#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The browser page's test: Debian's Chromium driven by playwright-core (from
# tests/web/package-lock.json). Skipped (77) where the browser or the npm
# package is missing, unless QUELLOR_WEB_REQUIRED=1, as ./test.sh sets it.
# run.sh PAGE QUELLOR OUTDIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
page=${1:?page} quellor=${2:?quellor} out=${3:?output folder}
missing=
[ -x "${QUELLOR_CHROMIUM:-/usr/bin/chromium}" ] || missing="chromium"
[ -d "$here/node_modules/playwright-core" ] || missing="$missing playwright-core (npm ci in tests/web)"
if [ -n "$missing" ]; then
    echo "web: missing $missing"
    [ "${QUELLOR_WEB_REQUIRED:-0}" = 1 ] && exit 1
    exit 77
fi
mkdir -p "$out"
cd "$here"
QUELLOR_SOURCE=$(cd "$here/../.." && pwd) QUELLOR_PAGE=$page QUELLOR_BIN=$quellor QUELLOR_OUT=$out exec node --test page.test.mjs
