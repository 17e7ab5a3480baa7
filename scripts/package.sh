#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian and RPM packages of Quellor from the install rules, with
# Debian's hardening flags and without the tests, and checks them with lintian
# (no error, no warning) and rpmlint (no error).
# Usage: scripts/package.sh [build-directory]   (default: build-package)
# The packages land in the build directory: quellor_VERSION_ARCH.deb and
# quellor-VERSION-1.ARCH.rpm.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
dir=${1:-build-package}

# Hardening as Debian builds its packages (bindnow and PIE included). CMake
# reads CXXFLAGS and LDFLAGS from the environment but ignores CPPFLAGS, which
# carries _FORTIFY_SOURCE: it is passed on through CXXFLAGS.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
export CXXFLAGS="$CXXFLAGS $CPPFLAGS"

# A fresh configuration, so that the flags are the ones above. Build type None
# adds no optimisation flags of its own: dpkg-buildflags chooses them.
rm -rf "$dir"
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF -DQUELLOR_WEB=ON >/dev/null
cmake --build "$dir" -j "$(nproc)"
(cd "$dir" && cpack -G DEB >/dev/null && cpack -G RPM >/dev/null)

deb=$(ls "$dir"/quellor_*.deb)
rpm=$(ls "$dir"/quellor-*.rpm)
echo "== lintian $deb =="
lintian --fail-on error,warning "$deb"
echo "== rpmlint $rpm =="
rpmlint -c packaging/rpmlint.toml "$rpm"
echo "Packages: $deb $rpm"
