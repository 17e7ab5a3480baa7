#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The object dragged from outside the process, as a user drags it: the real
# program under Xvfb at 1920x1080, every lesson layer on and the graph beside
# the bench, xdotool moving the held mouse in the left medium a few pixels at a
# time. Prints the program's processor time per move event (user + system,
# from /proc/PID/stat), so the window system's flush of what a move repaints
# is counted too.
#
# The moves go in batches of 50; besides the mean it prints the median and the
# 95th percentile of the batches' processor time a move (summed over the
# process's threads from /proc/PID/task/*/schedstat, in nanoseconds).
#
# With --laid-out the window keeps the size it opens at (the laid-out face,
# widened by the docked graph) instead of being fitted to 1920x1080.
#
# With --lab (the screen dragged) or --lab-object (the object dragged) the
# program starts in the laboratory work instead, fitted to 1920x1080, and the
# held mouse moves along the axis in the right or the left area: each move
# repaints the bench and the screen's face.
#
# With --system (the object dragged) or --system-lens (the second lens
# dragged) the bench is set up as without options, but for the graph, which
# the optical system does not show, and Ctrl+2 puts a second lens 6 cm behind
# the first; the held mouse moves in the left area or on the second lens.
#
# Usage: bench/drag_outside.sh [--laid-out | --lab | --lab-object | --system | --system-lens] QUELLOR_EXECUTABLE [MOVES] [SHOT.png]
set -euo pipefail
lab=
laidout=
system=
case ${1:-} in
--lab | --lab-object)
    lab=$1
    shift
    ;;
--system | --system-lens)
    system=$1
    shift
    ;;
--laid-out)
    laidout=1
    shift
    ;;
esac
exe=${1:?path of the quellor executable}
moves=${2:-2000}
shot=${3:-}
display=${DRAG_DISPLAY:-:79} # another display where :79 is taken
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
sleep 1
LC_ALL=ru_RU.UTF-8 "$exe" ${lab:+--lab} >/dev/null 2>&1 &
app=$!
window=
for _ in $(seq 1 100); do
    window=$(xdotool search --pid "$app" --onlyvisible 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.1
done
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
if [ -n "$lab" ]; then
    xdotool windowmove "$window" 0 0 windowsize "$window" 1920 1080
    sleep 1.5
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # The laid-out face (1008x729 logical pixels) fitted and centred; the axis
    # at window twips 4800, the screen a third into the right area (window
    # twips 7620 + 2500), the object a third into the left one (120 + 5000).
    fit=$(awk -v w="$WIDTH" -v h="$HEIGHT" 'BEGIN { f = w / 1008; if (h / 729 < f) f = h / 729; print f }')
    along=$([ "$lab" = --lab ] && echo 10120 || echo 5120)
    x=$(awk -v f="$fit" -v w="$WIDTH" -v X="$X" -v t="$along" 'BEGIN { printf "%d", X + (w - 1008 * f) / 2 + t * f / 15 }')
    y=$(awk -v f="$fit" -v h="$HEIGHT" -v Y="$Y" 'BEGIN { printf "%d", Y + (h - 729 * f) / 2 + 4800 * f / 15 }')
else
    # Every layer on and the graph open, the window fitted to the screen with the
    # graph docked beside the bench; then the scheme view's button ("Схема", at
    # 52 % and 90 % of the fitted window) and the object placed in the left medium.
    # (Without a window manager the keys go to the window under the pointer.)
    xdotool mousemove $((X + 500)) $((Y + 20)) click 1
    xdotool key ctrl+l key ctrl+3 key ctrl+k
    [ -n "$system" ] || xdotool key ctrl+g
    sleep 0.5
    if [ -n "$laidout" ]; then
        sleep 1
        eval "$(xdotool getwindowgeometry --shell "$window")"
        # The face (15120 x 10935 twips) and the docked graph (6450 twips)
        # fitted together and centred: the scheme view's button at face twips
        # (11062, 10207), the object at (2160, 4260), as in the fitted case.
        at() {
            awk -v w="$WIDTH" -v h="$HEIGHT" -v X="$X" -v Y="$Y" -v tx="$1" -v ty="$2" 'BEGIN {
                f = w / 1438; if (h / 729 < f) f = h / 729
                printf "%d %d", X + (w - 1438 * f) / 2 + tx * f / 15, Y + (h - 729 * f) / 2 + ty * f / 15 }'
        }
        read -r bx by <<<"$(at 11062 10207)"
        xdotool mousemove "$bx" "$by" click 1
        sleep 0.3
        read -r x y <<<"$(at 2160 4260)"
    else
        xdotool windowmove "$window" 0 0 windowsize "$window" 1920 1080
        sleep 1.5
        eval "$(xdotool getwindowgeometry --shell "$window")"
        # (The optical system shows the scheme itself.)
        [ -n "$system" ] || xdotool mousemove $((X + WIDTH * 523 / 1000)) $((Y + HEIGHT * 898 / 1000)) click 1
        sleep 0.3
        x=$((X + WIDTH * 10 / 100))
        y=$((Y + HEIGHT * 40 / 100))
        if [ -n "$system" ]; then
            # No graph docked: the face alone fitted and centred, the object a
            # third into the left area (window twips 120 + 5000, 1200 above the axis).
            fit=$(awk -v w="$WIDTH" -v h="$HEIGHT" 'BEGIN { f = w / 1008; if (h / 729 < f) f = h / 729; print f }')
            x=$(awk -v f="$fit" -v w="$WIDTH" -v X="$X" 'BEGIN { printf "%d", X + (w - 1008 * f) / 2 + 5120 * f / 15 }')
            y=$(awk -v f="$fit" -v h="$HEIGHT" -v Y="$Y" 'BEGIN { printf "%d", Y + (h - 729 * f) / 2 + 3600 * f / 15 }')
        fi
    fi
    xdotool mousemove "$x" "$y" click 1
    sleep 0.3
    if [ -n "$system" ]; then
        xdotool key ctrl+2
        sleep 0.5
        if [ "$system" = --system-lens ]; then
            # The second lens's line at window twips 7620 + 3402, 600 below the axis.
            fit=$(awk -v w="$WIDTH" -v h="$HEIGHT" 'BEGIN { f = w / 1008; if (h / 729 < f) f = h / 729; print f }')
            x=$(awk -v f="$fit" -v w="$WIDTH" -v X="$X" 'BEGIN { printf "%d", X + (w - 1008 * f) / 2 + 11022 * f / 15 }')
            y=$(awk -v f="$fit" -v h="$HEIGHT" -v Y="$Y" 'BEGIN { printf "%d", Y + (h - 729 * f) / 2 + 5400 * f / 15 }')
        fi
    fi
fi
ticks() { awk '{ print $14 + $15 }' "/proc/$app/stat"; }
nanoseconds() { cat /proc/"$app"/task/*/schedstat | awk '{ s += $1 } END { printf "%d", s }'; }
batch=50
steps=()
for i in $(seq 1 "$batch"); do
    steps+=(mousemove "$((x + (i % 2) * 6))" "$y" sleep 0.004)
done
xdotool mousemove "$x" "$y" mousedown 1
sleep 0.5
before=$(ticks)
start=$(date +%s.%N)
perMove=()
for _ in $(seq 1 $(((moves + batch - 1) / batch))); do
    from=$(nanoseconds)
    xdotool "${steps[@]}"
    sleep 0.03 # the batch's last paint done
    perMove+=($((($(nanoseconds) - from) / batch)))
done
after=$(ticks)
end=$(date +%s.%N)
xdotool mouseup 1
[ -n "$shot" ] && import -window root "$shot"
hz=$(getconf CLK_TCK)
n=$((${#perMove[@]} * batch))
awk -v t=$((after - before)) -v hz="$hz" -v n="$n" -v s="$start" -v e="$end" 'BEGIN {
    printf "%d moves in %.1f s: %.3f ms of processor time a move", n, e - s, 1000 * t / hz / n }'
printf '%s\n' "${perMove[@]}" | sort -n | awk '{ v[NR] = $1 } END {
    printf "; batches of '"$batch"': median %.3f ms, 95th percentile %.3f ms a move\n",
        v[int((NR + 1) / 2)] / 1e6, v[int(0.95 * (NR - 1)) + 1] / 1e6 }'
