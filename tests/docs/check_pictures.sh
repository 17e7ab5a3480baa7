#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The documentation's pictures are what the program shows now: each is made
# again from its setup and compared with the one kept, pixel by pixel (a
# channel off by more than a tenth counts). Arguments: the program, the
# source folder.
set -euo pipefail
program="$1"
source="$2"
made="$(mktemp -d)"
trap 'rm -rf "$made"' EXIT
status=0
for setup in "$source"/docs/images/*.quellor; do
    name="$(basename "${setup%.quellor}")"
    LC_ALL=C.UTF-8 LANGUAGE= QT_QPA_PLATFORM=offscreen \
        "$program" --docs-picture "$made/$name.png" "$setup" 2>/dev/null
    kept="$source/docs/images/$name.png"
    # Antialiasing may differ by a pixel here and there; a changed word does not.
    differ="$(compare -metric AE -fuzz 10% "$kept" "$made/$name.png" null: 2>&1 || true)"
    if ! [[ "$differ" =~ ^[0-9]+$ ]] || ((differ > 150)); then
        echo "docs/images/$name.png is not what the program shows now ($differ pixels differ):" \
             "run scripts/docs-pictures.sh"
        status=1
    fi
done
exit "$status"
