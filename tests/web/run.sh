#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The browser page's tests: Debian's Chromium driven by playwright-core, or
# Debian's Firefox ESR driven by puppeteer-core over WebDriver BiDi (both from
# tests/web/package-lock.json). Skipped (77) where the browser or the npm
# package is missing, unless QUELLOR_WEB_REQUIRED=1, as ./test.sh sets it.
# run.sh PAGE QUELLOR OUTDIR [chromium|firefox]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
page=${1:?page} quellor=${2:?quellor} out=${3:?output folder} browser=${4:-chromium}
missing=
case $browser in
chromium)
    [ -x "${QUELLOR_CHROMIUM:-/usr/bin/chromium}" ] || missing="chromium"
    [ -d "$here/node_modules/playwright-core" ] || missing="$missing playwright-core (npm ci in tests/web)"
    tests=page.test.mjs ;;
firefox)
    [ -x "${QUELLOR_FIREFOX:-/usr/bin/firefox-esr}" ] || missing="firefox-esr"
    [ -d "$here/node_modules/puppeteer-core" ] || missing="$missing puppeteer-core (npm ci in tests/web)"
    tests=firefox.test.mjs ;;
*) echo "web: no test for the browser $browser"; exit 2 ;;
esac
if [ -n "$missing" ]; then
    echo "web: missing $missing"
    [ "${QUELLOR_WEB_REQUIRED:-0}" = 1 ] && exit 1
    exit 77
fi
mkdir -p "$out"
cd "$here"
QUELLOR_SOURCE=$(cd "$here/../.." && pwd) QUELLOR_PAGE=$page QUELLOR_BIN=$quellor QUELLOR_OUT=$out exec node --test "$tests"
