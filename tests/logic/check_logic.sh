#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The tests of logic run without a window. Their sources include only the
# optics library, the file formats, the bench's Qt-free frame and the tests'
# own plain helpers; their programs load no Qt module above Core and Test and
# hold none of the window's code. Arguments: the source folder, then each
# test's source and program.
set -u
top=${1:?source folder}
shift
cd "$top" || exit 2
status=0
programs=0

# Where a quoted include may be found: a folder, or a header by its path.
reach="optics files/checkresults.h files/resultsfile.h files/saferead.h files/safewrite.h files/setupfile.h
       files/zoomsteps.h rays/bench.h rays/benchoptics.h tests/lensmaker.h tests/logic"
window_qt='Qt6?(Gui|Widgets|Charts|Svg|PrintSupport|OpenGL)'

includes() { # source
    local source=$1 name found place
    while IFS= read -r name; do
        found=
        [[ $name == *.moc ]] && found=moc # the test's own meta-object code
        for place in $reach; do
            if [ -d "$place" ]; then
                [ -f "$place/$name" ] && found=$place
            elif [ "${place##*/}" = "$name" ]; then
                found=$place
            fi
        done
        if [ -z "$found" ]; then
            echo "$source includes \"$name\": no header of the library, the formats or the bench's frame"
            status=1
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$source")
    if grep -nE "^[[:space:]]*#[[:space:]]*include[[:space:]]*<$window_qt/" "$source"; then
        echo "$source includes a header of a window's Qt module"
        status=1
    fi
}

# The tests' own headers, then each program's source and its program.
for header in tests/logic/*.h; do
    [ -e "$header" ] && includes "$header"
done
while [ $# -ge 2 ]; do
    source=$1 program=$2
    shift 2
    programs=$((programs + 1))
    includes "$source"
    if ! needed=$(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p') ||
        [ -z "$needed" ]; then
        echo "$program cannot be read"
        status=1
        continue
    fi
    if grep -E "lib$window_qt" <<<"$needed"; then
        echo "$program loads a window's Qt module"
        status=1
    fi
    if nm -C --defined-only "$program" | grep -E '\b(Form1|BenchState|PictureBox|ScreenInfo)\b'; then
        echo "$program holds the window's code"
        status=1
    fi
done
[ $status -eq 0 ] && echo "logic: $programs programs without a window"
exit $status
