#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and checks that a desktop finds
# everything it needs: the executable, the menu entry, the icon, the metainfo,
# the manual page and the documents; and that the program answers on the
# command line without a display.
# Usage: check_install.sh BUILD_DIRECTORY
set -uo pipefail
build=${1:?build directory}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
check() { # what condition-result
    if [ "$2" = 1 ]; then echo "ok   - $1"; else echo "FAIL - $1"; failures=$((failures + 1)); fi
}
yes_if() { "$@" && echo 1; }

if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
    cat "$prefix.log"
    rm -f "$prefix.log"
    echo "FAIL - cmake --install"
    exit 1
fi
rm -f "$prefix.log"

desktop="$prefix/share/applications/quellor.desktop"
icon="$prefix/share/icons/hicolor/scalable/apps/quellor.svg"
check "executable installed" "$(yes_if test -x "$prefix/bin/quellor")"
check "menu entry installed" "$(yes_if test -f "$desktop")"
check "icon installed in the hicolor theme" "$(yes_if test -f "$icon")"

key() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
check "entry is an application" "$(yes_if test "$(key Type)" = Application)"
check "English name" "$(yes_if test -n "$(key Name)")"
check "Russian name" "$(yes_if test -n "$(key 'Name\[ru\]')")"
check "comment in both languages" "$(yes_if test -n "$(key Comment)" -a -n "$(key 'Comment\[ru\]')")"
check "categories Education;Science;" "$(yes_if test "$(key Categories)" = 'Education;Science;')"
check "icon named quellor" "$(yes_if test "$(key Icon)" = quellor)"
exec_name=$(key Exec | awk '{ print $1 }')
check "Exec names the installed program ($exec_name)" \
    "$(yes_if test -x "$prefix/bin/$exec_name")"
# Both tools come with scripts/setup.sh: a check never depends on what happens
# to be installed.
validates() { desktop-file-validate "$1" >&2; } # its hints go to the log, not the verdict
check "desktop-file-validate accepts the entry" "$(yes_if validates "$desktop")"
# The icon must render: some opaque pixels in a 64 x 64 rendering.
opaque=$(rsvg-convert -w 64 -h 64 "$icon" 2>/dev/null |
    convert png:- -alpha extract -format '%[fx:mean]' info: 2>/dev/null)
check "icon renders (opaque share ${opaque:-none})" \
    "$(awk -v o="${opaque:-0}" 'BEGIN { if (o > 0.5) print 1 }')"

mime="$prefix/share/mime/packages/quellor.xml"
check "the .quellor type is registered" \
    "$(yes_if grep -q 'glob pattern="\*.quellor"' "$mime" && test "$(key MimeType)" = 'application/x-quellor;')"
metainfo="$prefix/share/metainfo/io.github.quellor.Quellor.metainfo.xml"
valid_metainfo() { appstreamcli validate --no-net "$1" >&2; }
check "AppStream metainfo validates" "$(yes_if valid_metainfo "$metainfo")"
# The browser page, where the build made one.
if [ -f "$build/web/quellor.html" ]; then
    check "the browser page installed" "$(yes_if cmp -s "$build/web/quellor.html" "$prefix/share/quellor/quellor.html")"
fi
check "manual page installed" "$(yes_if gzip -t "$prefix/share/man/man1/quellor.1.gz")"
check "copyright and changelog in share/doc/quellor" \
    "$(yes_if test -f "$prefix/share/doc/quellor/copyright" -a -f "$prefix/share/doc/quellor/changelog.gz")"

# The command line, with no display at all.
run() { # expected-exit-code arguments...: stdout and stderr go to files
    local expected=$1
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/quellor" "$@" \
        >"$prefix/out" 2>"$prefix/err" </dev/null
    test $? = "$expected"
}
check "--help answers on standard output" "$(yes_if run 0 --help && grep -q -- --version "$prefix/out")"
check "--version answers on standard output" \
    "$(yes_if run 0 --version && grep -qx 'quellor [0-9.]*' "$prefix/out")"
check "an unknown option exits 1 with a message" \
    "$(yes_if run 1 --no-such-option && grep -q no-such-option "$prefix/err")"
check "no display: exit 1 with a message, no abort" \
    "$(yes_if run 1 && grep -q DISPLAY "$prefix/err" && test ! -s "$prefix/out")"
# A display named but unusable (no server runs as :5999): the program's own line,
# no abort, no advice to reinstall.
unusable() { # variable=value
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" "$prefix/bin/quellor" \
        >"$prefix/out" 2>"$prefix/err" </dev/null
    test $? = 1 && test "$(wc -l <"$prefix/err")" = 1 && grep -qF "$1" "$prefix/err" &&
        ! grep -q Reinstalling "$prefix/err"
}
for setting in DISPLAY=:5999 QT_QPA_PLATFORM=nonsense WAYLAND_DISPLAY=wayland-99; do
    check "$setting unusable: exit 1 with one line of our own" "$(yes_if unusable "$setting")"
done
printf '{"format": "quellor-setup", "version": 1, "lens":' >"$prefix/cut.quellor"
check "a bad setup without a display: exit 2 naming the file" \
    "$(yes_if run 2 "$prefix/cut.quellor" && grep -q cut.quellor "$prefix/err")"
cat >"$prefix/object.quellor" <<'SETUP'
{"format": "quellor-setup", "version": 1, "lens": "converging",
 "indices": {"left": 1, "lens": 1.64, "right": 1}, "radii": {"left": 3, "right": 3},
 "view": "scheme", "object": {"distance": 7.4, "height": 1.5}}
SETUP
check "a worksheet is written without a display" \
    "$(yes_if run 0 --worksheet "$prefix/sheet.pdf" "$prefix/object.quellor" &&
        head -c 5 "$prefix/sheet.pdf" | grep -q '%PDF')"
check "a worksheet without an object is refused: exit 2, a message, no file" \
    "$(yes_if run 2 --worksheet "$prefix/empty.pdf" && test -s "$prefix/err" &&
        test ! -e "$prefix/empty.pdf")"
exit $((failures != 0))
