#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The folders are layers: each may include only the headers of the layers
# beneath it. The optics library is plain C++ (no Qt, no window); the controls
# know nothing of the window; the file formats and safe writing know nothing of
# the window either. A quoted include is looked up by name in the folders a
# layer may use; an angle include in the optics library must not be Qt's.
set -u
top=${1:?source folder}
cd "$top" || exit 2
status=0

# layer: folders whose headers it may include
declare -A may=(
    [optics]="optics"
    [controls]="controls"
    [formats]="files optics"
    [window]="app parameters rays input modes lesson files shell optics controls"
    [web]="web optics rays controls"
)
window_folders="app parameters rays input modes lesson files shell"
format_files="files/saferead.cpp files/saferead.h files/safewrite.cpp files/safewrite.h files/setupfile.cpp files/setupfile.h files/zoomsteps.h
              files/resultsfile.cpp files/resultsfile.h files/checkresults.cpp files/checkresults.h"

check() { # layer file
    local layer=$1 file=$2 name found dir
    while IFS= read -r name; do
        found=
        for dir in ${may[$layer]}; do
            [ -f "$dir/$name" ] && found=$dir
        done
        if [ -z "$found" ]; then
            echo "$file includes \"$name\", which is not in its layer's reach (${may[$layer]})"
            status=1
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
}

for file in optics/*; do
    check optics "$file"
    if grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<(Q|qt)' "$file"; then
        echo "$file includes a Qt header: the optics library is plain C++"
        status=1
    fi
done
# The optics speaks physics: centimetres along an axis. Its headers name no
# twips, picture area, pen, colour, window coordinate or the window's state.
for file in optics/*.h; do
    if grep -nE '[Tt]wips?\b|BenchState|benchstate\.h|picLeft|picRigth|\bPen\b|[Cc]olou?rs?\b|\b[Aa]rea\b' "$file"; then
        echo "$file names the window's frame: the optics speaks centimetres along an axis"
        status=1
    fi
done
for file in controls/*; do check controls "$file"; done
for file in $format_files; do check formats "$file"; done
# The browser page's C++ sees the optics library, the bench's geometry of
# the rays (standard cases, snapping) and the key codes; it is compiled to WebAssembly without
# Qt or the window, so any other include fails to build there.
for file in web/*.h web/*.cpp; do
    check web "$file"
    if grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<(Q|qt)' "$file"; then
        echo "$file includes a Qt header: the page's lesson is plain C++"
        status=1
    fi
done
for dir in $window_folders; do
    for file in "$dir"/*; do check window "$file"; done
done
# The window's header is the window's own: its parts (app/, parameters/,
# rays/, input/) and main include it; the modes, the lesson tools, the files
# and the rest of the shell work the bench through its view (app/benchview.h).
form1_users="app/* parameters/* rays/* input/* shell/main.cpp"
for dir in $window_folders; do
    for file in "$dir"/*; do
        grep -qE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"form1\.h"' "$file" || continue
        allowed=
        for pattern in $form1_users; do
            # shellcheck disable=SC2053 # the pattern is a glob on purpose
            [[ $file == $pattern ]] && allowed=yes
        done
        if [ -z "$allowed" ]; then
            echo "$file includes \"form1.h\": beyond the window, the bench is worked through app/benchview.h"
            status=1
        fi
    done
done
# No source of the program lies outside its layers.
for file in *.cpp *.h; do
    [ -e "$file" ] && { echo "$file lies outside every layer"; status=1; }
done
[ $status -eq 0 ] && echo "layers: every include within its layer's reach"
exit $status
