#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and testing Quellor needs on a Debian machine, and
# nothing that is already there. Sourced by run.sh and test.sh.
set -euo pipefail

quellor_packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-svg-dev qt6-charts-dev libqt6opengl6-dev
    fonts-liberation2 fonts-dejavu-core fontconfig
    xvfb xdotool imagemagick x11-utils
    desktop-file-utils librsvg2-bin
    clang libclang-rt-14-dev
    libbenchmark-dev
    x11-xserver-utils
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    dpkg-dev file rpm lintian rpmlint appstream
    poppler-utils
    emscripten chromium
    # The page is tested in Firefox too: its pointer events, <dialog> and
    # canvas text are its own, and Chromium would not show their faults.
    firefox-esr
)

missing=()
# Node.js and npm for the browser page's test: Debian's, unless a Node.js
# (whose package may carry npm itself) is there already.
command -v node >/dev/null || missing+=(nodejs)
command -v npm >/dev/null || missing+=(npm)
for package in "${quellor_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        as_root=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
