#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end run of the real program under a real X server. It is driven only
# from outside the process, with xdotool, the way a user drives it, and every
# action is checked on a screenshot at places computed from the twips layout of
# the window (15 twips to a pixel at 96 dpi).
#
# Usage: e2e.sh QUELLOR_EXECUTABLE SHOT_DIRECTORY
# The screenshots of a failing run stay in SHOT_DIRECTORY; the log names them.
set -uo pipefail

exe=${1:?path of the quellor executable}
shots=${2:?directory for the screenshots}

for tool in Xvfb xdotool import convert compare xwininfo awk; do
    if ! command -v "$tool" >/dev/null; then
        echo "e2e: $tool is missing (scripts/setup.sh installs it)" >&2
        exit 1
    fi
done

rm -rf "$shots"
mkdir -p "$shots"

failures=0
shot_count=0
app_pid=
xvfb_pid=

log() { printf '%s\n' "$*"; }

cleanup() {
    if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
        kill "$app_pid" 2>/dev/null
        wait "$app_pid" 2>/dev/null
    fi
    if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
}
trap cleanup EXIT

# --- arithmetic ------------------------------------------------------------

# Floating-point arithmetic, printed with three decimals.
calc() { awk "BEGIN { printf \"%.3f\", $1 }"; }
# Whole pixel that contains the point p (pixel i covers [i, i + 1)).
cell() { awk "BEGIN { v = $1; f = int(v); if (f > v) f -= 1; print f }"; }

# Layout of the window in twips, and where its pieces land in client pixels.
readonly TWIPS_PER_PIXEL=15
# Client pixel of a point of picLeft / picRigth given in twips.
left_x() { calc "(120 + $1) / $TWIPS_PER_PIXEL"; }
right_x() { calc "(7620 + $1) / $TWIPS_PER_PIXEL"; }
area_y() { calc "(810 + $1) / $TWIPS_PER_PIXEL"; }
# A window box in twips (left top width height) to client pixels.
box_px() { awk "BEGIN { printf \"%d %d %d %d\", $1 / 15 + 0.5, $2 / 15 + 0.5, $3 / 15 + 0.5, $4 / 15 + 0.5 }"; }

# --- the X server and the program ------------------------------------------

# start_xvfb [screen geometry] [dpi]; the server keeps its resources (xrdb)
# when a client disconnects.
start_xvfb() {
    local n i owner geometry=${1:-1280x1024x24} dpi=${2:-96}
    for n in 90 91 92 93 94 95 96 97 98 99; do
        [ -e "/tmp/.X$n-lock" ] && continue
        [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 "$geometry" -dpi "$dpi" -nolisten tcp -noreset >"$shots/xvfb.log" 2>&1 &
        xvfb_pid=$!
        for i in $(seq 1 50); do
            kill -0 "$xvfb_pid" 2>/dev/null || break # another server took the number
            # The server writes its pid into the lock it takes: two runs that
            # chose the same number at once must not share the winner's server.
            owner=$(tr -d ' \n' 2>/dev/null <"/tmp/.X$n-lock")
            if [ -n "$owner" ] && [ "$owner" != "$xvfb_pid" ]; then
                break
            fi
            if [ "$owner" = "$xvfb_pid" ] && xwininfo -root -display ":$n" >/dev/null 2>&1; then
                export DISPLAY=":$n"
                return 0
            fi
            sleep 0.1
        done
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
        xvfb_pid=
    done
    return 1
}

# The id of a visible window whose name matches PATTERN, waiting up to five
# seconds for it; nothing when none shows.
window_named() {
    local i id
    for i in $(seq 1 50); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        if [ -n "$id" ]; then
            echo "$id"
            return
        fi
        sleep 0.1
    done
}

wid=
find_window() {
    local i
    for i in $(seq 1 100); do
        wid=$(xdotool search --onlyvisible --name '^Quellor$' 2>/dev/null | head -n 1)
        [ -n "$wid" ] && return 0
        kill -0 "$app_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# --- screenshots and pixels ------------------------------------------------

current=
# Takes a screenshot once the window has stopped changing: two consecutive
# captures must agree.
shot() {
    local name=$1 previous="$shots/.previous.png" next i
    shot_count=$((shot_count + 1))
    next="$shots/$(printf '%02d' "$shot_count")-$name.png"
    sleep 0.15
    import -window "$wid" "$previous" 2>/dev/null
    for i in $(seq 1 40); do
        sleep 0.1
        import -window "$wid" "$next" 2>/dev/null
        if [ "$(compare -metric AE "$previous" "$next" null: 2>&1)" = "0" ]; then
            break
        fi
        cp "$next" "$previous"
    done
    rm -f "$previous"
    current=$next
}

# Colours (RRGGBB) of the listed points of the current screenshot.
pixels() {
    local format=""
    while (($#)); do
        format+="%[hex:p{$1,$2}] "
        shift 2
    done
    convert "$current" -format "$format" info: | awk '{ for (i = 1; i <= NF; i++) printf "%s ", substr($i, 1, 6) }'
}

# Number of pixels of colour HEX in the box x y w h of the current screenshot.
count_colour() {
    local x=$1 y=$2 w=$3 h=$4 hex=$5
    convert "$current" -crop "${w}x${h}+${x}+${y}" +repage -format %c histogram:info:- |
        awk -v hex="#$hex" 'index(toupper($0), hex) { split($1, n, ":"); s += n[1] } END { print s + 0 }'
}

# Extent of colour HEX in the box x y w h: "count minx maxx miny maxy".
extent_of() {
    local x=$1 y=$2 w=$3 h=$4 hex=$5
    convert "$current" -crop "${w}x${h}+${x}+${y}" +repage txt:- |
        awk -v hex="#$hex" -v ox="$x" -v oy="$y" '
            NR > 1 && index(toupper($0), hex " ") {
                split($1, p, "[,:]"); px = p[1] + ox; py = p[2] + oy
                if (!n || px < minx) minx = px; if (!n || px > maxx) maxx = px
                if (!n || py < miny) miny = py; if (!n || py > maxy) maxy = py
                n++
            }
            END { printf "%d %d %d %d %d", n, minx, maxx, miny, maxy }'
}

# --- checks ----------------------------------------------------------------

pass() { log "ok   - $1"; }
fail() {
    log "FAIL - $1 (screenshot: $current)"
    failures=$((failures + 1))
}
expect() { # expect WHAT condition-result
    if [ "$2" = 1 ]; then pass "$1"; else fail "$1"; fi
}

# Every listed point shows colour HEX.
expect_colour() {
    local what=$1 hex=$2
    shift 2
    local got
    got=$(pixels "$@")
    local bad=0 c
    for c in $got; do
        [ "$c" = "$hex" ] || bad=1
    done
    if [ "$bad" = 0 ]; then pass "$what"; else fail "$what: expected $hex at ($*), got $got"; fi
}

# No listed point shows colour HEX.
expect_not_colour() {
    local what=$1 hex=$2
    shift 2
    local got
    got=$(pixels "$@")
    case " $got " in
    *" $hex "*) fail "$what: $hex found at ($*): $got" ;;
    *) pass "$what" ;;
    esac
}

# A round mark of colour HEX, whose outline is drawn at the given radius or
# which is filled, centred on the point (cx, cy) in client pixels: the pixels
# three pixels away in the four axis directions all show the colour.
expect_ring() {
    local what=$1 hex=$2 cx=$3 cy=$4
    expect_colour "$what" "$hex" \
        "$(cell "$cx + 3")" "$(cell "$cy")" "$(cell "$cx - 3")" "$(cell "$cy")" \
        "$(cell "$cx")" "$(cell "$cy + 3")" "$(cell "$cx")" "$(cell "$cy - 3")"
}

# A focal mark: a 9-pixel disc straddling the axis; checked just above the
# axis strip, which lies in front of it.
expect_mark() {
    local what=$1 hex=$2 cx=$3
    local x
    x=$(cell "$cx")
    expect_colour "$what" "$hex" "$x" 317 "$x" 318
}

# Colour HEX appears (at least MIN times) in the box x y w h.
expect_some() {
    local what=$1 hex=$2 x=$3 y=$4 w=$5 h=$6 min=${7:-1}
    local n
    n=$(count_colour "$x" "$y" "$w" "$h" "$hex")
    if [ "$n" -ge "$min" ]; then pass "$what"; else fail "$what: $n pixels of $hex in ${w}x${h}+${x}+${y}"; fi
}

expect_none() {
    local what=$1 hex=$2 x=$3 y=$4 w=$5 h=$6
    local n
    n=$(count_colour "$x" "$y" "$w" "$h" "$hex")
    if [ "$n" -eq 0 ]; then pass "$what"; else fail "$what: $n pixels of $hex in ${w}x${h}+${x}+${y}"; fi
}

# Both areas look exactly as in the scheme view before anything was drawn.
expect_areas_empty() {
    local what=$1 area ax ay diff
    for area in "8 54" "508 54"; do
        read -r ax ay <<<"$area"
        convert "$current" -crop "500x535+$ax+$ay" +repage "$shots/crop-now.png"
        convert "$scheme_empty" -crop "500x535+$ax+$ay" +repage "$shots/crop-then.png"
        diff=$(compare -metric AE "$shots/crop-now.png" "$shots/crop-then.png" null: 2>&1)
        expect "area at x $ax empty $what ($diff pixels differ from the empty scheme view)" \
            "$([ "$diff" = 0 ] && echo 1)"
        rm -f "$shots/crop-now.png" "$shots/crop-then.png"
    done
}

# --- colour vision ---------------------------------------------------------

# The colour of one pixel of the current screenshot as a person with
# deuteranopia or protanopia sees it (Machado, Oliveira and Fernandes 2009,
# severity 1: a matrix on linear RGB), applied to the whole screenshot.
machado_deuteranopia="0.367322 0.860646 -0.227968 0.280085 0.672501 0.047413 -0.011820 0.042940 0.968881"
machado_protanopia="0.152286 1.052583 -0.204868 0.114503 0.786281 0.099216 -0.003882 -0.048116 1.051998"
seen_as() { # matrix x y: RRGGBB
    convert "$current" -colorspace RGB -color-matrix "$1" -colorspace sRGB \
        -format "%[hex:p{$2,$3}]" info: | cut -c1-6
}
# CIE76 colour difference of two sRGB colours RRGGBB (D65).
delta_e() {
    awk -v a="$1" -v b="$2" '
        function hex(s,   i, v) { v = 0; for (i = 1; i <= 2; i++) v = v * 16 + index("0123456789ABCDEF", toupper(substr(s, i, 1))) - 1; return v }
        function lin(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
        function f(t) { return t > 216 / 24389 ? t ^ (1 / 3) : (24389 / 27 * t + 16) / 116 }
        function lab(s, L,   r, g, bl, x, y, z) {
            r = lin(hex(substr(s, 1, 2))); g = lin(hex(substr(s, 3, 2))); bl = lin(hex(substr(s, 5, 2)))
            x = f((0.4124 * r + 0.3576 * g + 0.1805 * bl) / 0.95047)
            y = f(0.2126 * r + 0.7152 * g + 0.0722 * bl)
            z = f((0.0193 * r + 0.1192 * g + 0.9505 * bl) / 1.08883)
            L[1] = 116 * y - 16; L[2] = 500 * (x - y); L[3] = 200 * (y - z)
        }
        BEGIN { lab(a, p); lab(b, q); printf "%.0f", sqrt((p[1] - q[1]) ^ 2 + (p[2] - q[2]) ^ 2 + (p[3] - q[3]) ^ 2) }'
}

# --- input -----------------------------------------------------------------

pointer_to() { xdotool mousemove --window "$wid" "$1" "$2"; }

click_at() { # x y [button]
    pointer_to "$1" "$2"
    sleep 0.05
    xdotool click "${3:-1}"
}

# Clicks the middle of a control given by its window box in twips.
click_control() {
    local x y w h
    read -r x y w h <<<"$(box_px "$1" "$2" "$3" "$4")"
    click_at $((x + w / 2)) $((y + h / 2))
}

# Left-button drag from (x0, y0) to (x1, y1) in client pixels, in small steps.
drag() {
    local x0=$1 y0=$2 x1=$3 y1=$4 steps=${5:-20} i
    pointer_to "$x0" "$y0"
    sleep 0.05
    xdotool mousedown 1
    sleep 0.05
    for i in $(seq 1 "$steps"); do
        pointer_to $((x0 + (x1 - x0) * i / steps)) $((y0 + (y1 - y0) * i / steps))
        sleep 0.02
    done
    sleep 0.05
    xdotool mouseup 1
}

# Where the thumb of a slider stands, found on the current screenshot: in the
# upper half of the slider the groove runs across the whole width, the thumb
# stands out above and below it. Prints the thumb's centre "x y".
thumb_of() {
    local x=$1 y=$2 w=$3 h=$4
    convert "$current" -crop "${w}x$((h / 2 + 2))+${x}+${y}" +repage txt:- |
        awk -v ox="$x" -v oy="$y" -v w="$w" '
            NR == 2 { back = $3 }
            NR > 1 {
                split($1, p, "[,:]")
                if ($3 != back) { row[p[2]]++; xs[p[2]] = xs[p[2]] " " p[1] }
            }
            END {
                for (r in row) {
                    if (row[r] >= 0.4 * w) continue # the groove
                    k = split(xs[r], a, " ")
                    for (i = 1; i <= k; i++) {
                        if (!n || a[i] < minx) minx = a[i]
                        if (!n || a[i] > maxx) maxx = a[i]
                        if (!n || r < miny) miny = r
                        if (!n || r > maxy) maxy = r
                        n++
                    }
                }
                if (!n) exit 1
                printf "%d %d", ox + int((minx + maxx) / 2), oy + int((miny + maxy) / 2)
            }'
}

# Drags the thumb of the slider in the window box (twips) to its left or right end.
drag_slider() {
    local left=$1 top=$2 width=$3 height=$4 towards=$5
    local x y w h tx ty
    read -r x y w h <<<"$(box_px "$left" "$top" "$width" "$height")"
    shot "before-slider"
    if ! read -r tx ty <<<"$(thumb_of "$x" "$y" "$w" "$h")" || [ -z "$tx" ]; then
        fail "thumb of the slider at ${w}x${h}+${x}+${y} not found"
        return
    fi
    local target
    if [ "$towards" = right ]; then target=$((x + w + 20)); else target=$((x - 20)); fi
    drag "$tx" "$ty" "$target" "$ty" 30
}

# --- the layout ------------------------------------------------------------

# Empty places of each area, away from the axis, the marks and the lens.
left_empty=(58 104 208 504 458 150)
right_empty=(958 104 808 504 558 150)
# Slider boxes, window twips: left top width height.
sldR1=(150 9330 2805 435)
sldn1=(4200 9330 3195 435)
sldn2=(4200 10020 3195 435)
cmdSob=(12960 9270 465 675)
cmdRas=(13830 9270 465 675)
cmdCxOff=(8370 10020 1425 375)
cmdCx=(10350 10020 1425 375)
cmdExit=(12900 10020 1425 375)

readonly WHITE=FFFFFF BLACK=000000 GREY=808080 GREEN=00FF00 RED=FF0000 LIGHTRED=FF8080
readonly LENS=C0C0FF DARKBLUE=0000C0 DEEP=9B9BFF

# The focal marks for the focal lengths f1 and f2 (twips; the sign only
# colours them): F and 2F on each side, each checked where it is in view.
expect_marks() { # what f1 f2 F-colour 2F-colour
    local what=$1 f1=${2#-} f2=${3#-} c1=$4 c2=$5
    if awk "BEGIN { exit !($f1 < 7300) }"; then
        expect_mark "$what: left F" "$c1" "$(left_x "7500 - $f1")"
    fi
    if awk "BEGIN { exit !(2 * $f1 < 7300) }"; then
        expect_mark "$what: left 2F" "$c2" "$(left_x "7500 - 2 * $f1")"
    fi
    if awk "BEGIN { exit !($f2 < 7300) }"; then
        expect_mark "$what: right F" "$c1" "$(right_x "$f2")"
    fi
    if awk "BEGIN { exit !(2 * $f2 < 7300) }"; then
        expect_mark "$what: right 2F" "$c2" "$(right_x "2 * $f2")"
    fi
}

# The arrowheads of the lens symbol, beside the bar (which is excluded): a
# dark blue V or inverted V in the rows of the upper and lower arrowhead boxes.
arrow_pixels() { # y0 height
    echo $(($(count_colour 490 "$1" 14 "$2" "$DARKBLUE") + $(count_colour 512 "$1" 14 "$2" "$DARKBLUE")))
}

# Where the thin-lens relation puts the image of an object point (twips of
# picLeft) for a lens of focal length f (negative: diverging), n1 = n2 = 1.
# Prints the image centre in client pixels and whether it is real.
thin_lens_image() {
    awk -v X="$1" -v Y="$2" -v f="$3" 'BEGIN {
        d = 7500 - X
        # 1/d + 1/d2 = 1/f; the image stands d2 right of the lens (left when d2 < 0)
        d2 = f * d / (d - f)
        y = 3990 - (Y - 3990) * d2 / d
        if (d2 > 0) printf "%.3f %.3f real", (7620 + d2) / 15, (810 + y) / 15
        else printf "%.3f %.3f virtual", (120 + 7500 + d2) / 15, (810 + y) / 15
    }'
}

expect_image() { # what object-x object-y f
    local what=$1 cx cy kind
    read -r cx cy kind <<<"$(thin_lens_image "$2" "$3" "$4")"
    if [ "$kind" = real ]; then
        expect_ring "$what: green real image dot at ($cx, $cy)" "$GREEN" "$cx" "$cy"
    else
        expect_ring "$what: red virtual image dot at ($cx, $cy)" "$RED" "$cx" "$cy"
    fi
}

# The object dot: a filled green disc of radius 4 pixels (and a 3-pixel pen)
# centred on the pointer's position (x, y) in client pixels. Seven pixels to
# either side, and on the side away from the axis (the object line runs to the
# axis), there is no green.
expect_object_dot() {
    local what=$1 x=$2 y=$3 away
    if [ "$y" -lt 320 ]; then away=$((y - 7)); else away=$((y + 7)); fi
    expect_colour "$what: green object dot at ($x, $y)" "$GREEN" \
        "$x" "$y" $((x - 2)) "$y" $((x + 2)) "$y" "$x" $((y - 2)) "$x" $((y + 2))
    expect_not_colour "$what: the dot ends within 7 pixels" "$GREEN" \
        $((x - 7)) "$y" $((x + 7)) "$y" "$x" "$away"
}

# ===========================================================================

log "e2e: $exe"
if ! start_xvfb; then
    log "FAIL - no free X display in :90 to :99"
    exit 1
fi
log "e2e: Xvfb on $DISPLAY"

env -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_AUTO_SCREEN_SCALE_FACTOR \
    -u QT_ENABLE_HIGHDPI_SCALING -u QT_FONT_DPI -u QT_STYLE_OVERRIDE \
    QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 "$exe" >"$shots/app.log" 2>&1 &
app_pid=$!

if ! find_window; then
    log "FAIL - no visible window named Quellor appeared"
    cat "$shots/app.log"
    exit 1
fi
read -r win_w win_h <<<"$(xwininfo -id "$wid" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')"
log "e2e: window $wid, ${win_w}x${win_h}"
if [ "$win_w" -lt 1008 ] || [ "$win_h" -lt 729 ]; then
    fail "the window is ${win_w}x${win_h}, smaller than the 1008x729 its controls need"
fi

# 1. As it starts: lens view, white media, black F and grey 2F marks at 1171.875.
shot start
expect_colour "left medium white at start" "$WHITE" "${left_empty[@]}"
expect_colour "right medium white at start" "$WHITE" "${right_empty[@]}"
expect_marks "start" 1171.875 1171.875 "$BLACK" "$GREY"
expect_colour "lens drawn from its surfaces" "$LENS" 480 250 535 250
expect_not_colour "lens symbol hidden" "$DARKBLUE" 507 300 508 300

# 2. Media sliders: the tints follow, and both media denser than the lens
#    turn the power negative.
drag_slider "${sldn1[@]}" right
shot "sldn1-at-50"
expect_colour "left medium tinted RGB(155,155,255) at n1 = 2" "$DEEP" "${left_empty[@]}"
expect_colour "read-out of n1 on the left tint" "$DEEP" 418 562
expect_colour "right medium still white" "$WHITE" "${right_empty[@]}"
expect_colour "lens side on the left takes the left tint" "$DEEP" 462 212
# One medium alone denser than the lens does not turn the power:
# P = (1.64 - 2) / 1500 + 0.64 / 1500, f1 = 2 / P, f2 = 1 / P.
expect_marks "n1 = 2 alone" "$(calc "2 * 1500 / 0.28")" "$(calc "1500 / 0.28")" "$BLACK" "$GREY"

drag_slider "${sldn2[@]}" right
shot "sldn2-at-50"
expect_colour "right medium tinted RGB(155,155,255) at n2 = 2" "$DEEP" "${right_empty[@]}"
# P = -0.72 / 1500: f1 = f2 = -2 * 1500 / 0.72.
f_dense=$(calc "2 * 1500 / 0.72")
expect_marks "negative power with n1 = n2 = 2" "$f_dense" "$f_dense" "$RED" "$LIGHTRED"

drag_slider "${sldn1[@]}" left
drag_slider "${sldn2[@]}" left
shot "media-back-to-1"
expect_colour "left medium white again" "$WHITE" "${left_empty[@]}"
expect_colour "right medium white again" "$WHITE" "${right_empty[@]}"
expect_marks "media back to 1" 1171.875 1171.875 "$BLACK" "$GREY"

# 3. Lens type in the lens view.
click_control "${cmdRas[@]}"
shot "diverging"
expect_marks "diverging lens" 1171.875 1171.875 "$RED" "$LIGHTRED"
# Near the lens plane the boxes show their own colour, near their outer
# edges the ovals: lens colour there for a biconvex lens, medium colour for
# a biconcave one.
expect_colour "biconcave: lens-coloured boxes by the lens plane" "$LENS" 505 212 510 212
expect_colour "biconcave: media-coloured ovals at the outer edges" "$WHITE" 463 300 552 300
click_control "${cmdSob[@]}"
shot "converging"
expect_marks "converging lens" 1171.875 1171.875 "$BLACK" "$GREY"
expect_colour "biconvex: lens-coloured ovals at the outer edges" "$LENS" 463 300 552 300
expect_colour "biconvex: media-coloured boxes at the corners" "$WHITE" 462 212 553 212

# 4. Scheme view: the lens symbol with outward arrowheads, no rays yet.
click_control "${cmdCx[@]}"
shot "scheme"
scheme_empty=$current
expect_colour "lens symbol bar shown" "$DARKBLUE" 507 300 508 300 507 400
expect_colour "lens surfaces hidden" "$WHITE" 480 250 535 250
up_rows=$(arrow_pixels 192 15)
inner_upper=$(arrow_pixels 209 17)
inner_lower=$(arrow_pixels 421 17)
expect "converging arrowheads: none above the bar ($up_rows), pointing out at both ends ($inner_upper, $inner_lower)" \
    "$([ "$up_rows" -eq 0 ] && [ "$inner_upper" -gt 10 ] && [ "$inner_lower" -gt 10 ] && echo 1)"
expect_none "no construction in the left area yet" "$GREEN" 8 54 500 535
expect_none "no construction in the right area yet" "$GREEN" 508 54 500 535

# 5. A left-button drag places the object point: object dot where the pointer
#    was released, image where the thin-lens relation puts it.
drag 208 204 308 254 25
shot "drag-real-image"
expect_object_dot "drag" 308 254
expect_image "drag" 4500 3000 1171.875
# The central ray, black, halfway between the object point and the lens centre.
expect_some "central ray drawn" "$BLACK" 405 284 6 6

# 6. Arrow keys after a click in the left area move the point 50 twips a step.
click_at 308 254
xdotool key --delay 60 Right Right Right Right Right Right Up Up Up
shot "arrow-keys"
expect_object_dot "arrow keys" 328 244
expect_not_colour "the old object dot is gone" "$GREEN" 308 254
expect_image "arrow keys" 4800 2850 1171.875

# 7. Lens type in the scheme view: arrowheads turn, the construction follows.
click_control "${cmdRas[@]}"
shot "scheme-diverging"
up_rows=$(arrow_pixels 192 15)
inner_upper=$(arrow_pixels 209 17)
expect "diverging arrowheads point inwards ($up_rows above the bar)" \
    "$([ "$up_rows" -gt 10 ] && echo 1)"
expect_marks "diverging lens in the scheme view" 1171.875 1171.875 "$RED" "$LIGHTRED"
expect_image "diverging lens" 4800 2850 -1171.875
expect_none "no real image for a diverging lens" "$GREEN" 508 54 500 535
click_control "${cmdSob[@]}"
shot "scheme-converging"
expect_image "converging again" 4800 2850 1171.875

# 8. An object point inside the focal length: a virtual image on the left.
drag 330 244 468 300 25
shot "drag-virtual-image"
expect_object_dot "drag inside F" 468 300
expect_image "object inside F" 6900 3690 1171.875

# 8b. Real and virtual apart without colour vision: with the safe palette
# (Ctrl+K) the real and the virtual image dots, seen through a deuteranopia
# and a protanopia simulation of the screenshots, differ by a CIE76 distance
# of at least 40 (pure green and red come to 28 and 66); the palette goes
# off again for the checks that follow.
xdotool key ctrl+k
shot "safe-palette-virtual"
read -r vx vy kind <<<"$(thin_lens_image 6900 3690 1171.875)"
vx=$(cell "$vx")
vy=$(cell "$vy")
virtual_seen=("$(seen_as "$machado_deuteranopia" "$vx" "$vy")" "$(seen_as "$machado_protanopia" "$vx" "$vy")")
drag 468 300 308 254 25
shot "safe-palette-real"
read -r rx ry kind <<<"$(thin_lens_image 4500 3000 1171.875)"
rx=$(cell "$rx")
ry=$(cell "$ry")
real_seen=("$(seen_as "$machado_deuteranopia" "$rx" "$ry")" "$(seen_as "$machado_protanopia" "$rx" "$ry")")
for i in 0 1; do
    name=$([ "$i" = 0 ] && echo deuteranopia || echo protanopia)
    de=$(delta_e "${real_seen[$i]}" "${virtual_seen[$i]}")
    expect "safe palette under $name: real ${real_seen[$i]} and virtual ${virtual_seen[$i]} differ by $de" \
        "$([ "$de" -ge 40 ] && echo 1)"
done
xdotool key ctrl+k
drag 308 254 468 300 25

# 9. A right-button press wipes both areas: they look as before any construction.
pointer_to 200 450
sleep 0.05
xdotool mousedown 3
sleep 0.05
xdotool mouseup 3
shot "right-button-wipe"
expect_areas_empty "after the right-button wipe"

# 10. A drag carried on over the lens plane and released over the right area:
#     the point lies beyond the lens and nothing is drawn.
drag 300 200 700 200 30
shot "drag-past-lens-plane"
expect_areas_empty "with the point past the lens plane"

# 11. A drag that starts on the axis line, which lies in front of the area,
#     places the point all the same.
drag 200 320 260 300 10
shot "drag-from-axis"
expect_object_dot "drag started on the axis" 260 300
expect_image "drag started on the axis" 3780 3690 1171.875

# 12. Back to the lens view: the construction goes, the surfaces come back.
drag 200 150 300 200 10
shot "drawn-again"
expect_object_dot "drawn again" 300 200
click_control "${cmdCxOff[@]}"
shot "lens-view"
expect_colour "lens surfaces shown again" "$LENS" 480 250 535 250
expect_none "lens view: no construction on the left" "$GREEN" 8 54 500 535
expect_none "lens view: no construction on the right" "$GREEN" 508 54 500 535

# Two media: n1 = 2, N = 2, n2 = 1 make f1 = 3000 and f2 = 1500. Gaussian
# optics puts the image of an object at d at b = f2 d / (d - f1) right of the
# lens (left when negative), magnified -(n1 b) / (n2 d): at d = 4500 real at
# 4500, twice the height, inverted; at d = 2250 virtual at 4500 on the left,
# four times the height, upright.
gaussian_image() { # object-x object-y f1 f2 n1 n2: the image centre in client pixels
    awk -v X="$1" -v Y="$2" -v f1="$3" -v f2="$4" -v n1="$5" -v n2="$6" 'BEGIN {
        d = 7500 - X; b = f2 * d / (d - f1); y = 3990 - (Y - 3990) * n1 * b / (n2 * d)
        if (b > 0) printf "%.3f %.3f", (7620 + b) / 15, (810 + y) / 15
        else printf "%.3f %.3f", (120 + 7500 + b) / 15, (810 + y) / 15
    }'
}
sldVexol=(8760 9330 3195 435)
click_control "${cmdCx[@]}"
drag_slider "${sldn1[@]}" right
drag_slider "${sldVexol[@]}" right
drag 200 150 208 300 10
shot "two-media-real"
expect_marks "n1 = 2, N = 2, n2 = 1" 3000 1500 "$BLACK" "$GREY"
expect_object_dot "two media, d = 4500" 208 300
read -r cx cy <<<"$(gaussian_image 3000 3690 3000 1500 2 1)"
expect_ring "two media, d = 4500: green real image dot at ($cx, $cy)" "$GREEN" "$cx" "$cy"
drag 208 300 358 300 10
shot "two-media-virtual"
expect_object_dot "two media, d = 2250" 358 300
read -r cx cy <<<"$(gaussian_image 5250 3690 3000 1500 2 1)"
expect_ring "two media, d = 2250: red virtual image dot at ($cx, $cy)" "$RED" "$cx" "$cy"
expect_none "two media, d = 2250: no real image" "$GREEN" 508 54 500 535

# 12b. A save onto a full disk (a 64 KiB tmpfs, where this machine lets us
# mount one) keeps the old file byte for byte, leaves no other file and says
# why. The dialog asks before replacing keep.png; the answer is yes.
cmdSave=(13770 218 1320 375)
full=$(mktemp -d)
if mount -t tmpfs -o size=64k tmpfs "$full" 2>/dev/null; then
    head -c 12000 /dev/urandom >"$full/keep.png"
    cp "$full/keep.png" "$shots/keep.png.before"
    dd if=/dev/zero of="$full/filler" bs=1k 2>/dev/null # until the disk is full
    click_control "${cmdSave[@]}"
    if xdotool search --sync --onlyvisible --name '^Сохранить рисунок$' >/dev/null 2>&1; then
        sleep 0.5
        xdotool key ctrl+a
        xdotool type --delay 10 "$full/keep.png"
        xdotool key Return
        sleep 1
        xdotool key shift+Tab space # "Yes" beside the default "No"
        warned=
        for i in $(seq 1 50); do
            if xdotool search --onlyvisible --name '^Рисунок не сохранён$' >/dev/null 2>&1; then
                warned=1
                break
            fi
            sleep 0.1
        done
        shot "save-on-full-disk"
        expect "full disk: the program says the picture was not saved" "$warned"
        xdotool key Return
        sleep 0.5
        expect "full disk: the old file is unchanged" \
            "$(cmp -s "$full/keep.png" "$shots/keep.png.before" && echo 1)"
        expect "full disk: no other file is left ($(ls -A "$full" | tr '\n' ' '))" \
            "$([ "$(ls -A "$full" | tr '\n' ' ')" = "filler keep.png " ] && echo 1)"
    else
        fail "full disk: the save dialog did not open"
    fi
    umount "$full"
else
    log "skip - full disk: no small tmpfs can be mounted here"
fi
rmdir "$full"

# 13. "Выход" with the lesson changed asks first; "Отклонить" (the button after
# "Сохранить") lets it end with status 0.
click_control "${cmdExit[@]}"
question=$(window_named '^Несохранённые изменения$')
expect "\"Выход\" with unsaved changes asks about them" "$([ -n "$question" ] && echo 1)"
if [ -n "$question" ]; then
    xdotool key --window "$question" Tab
    sleep 0.2
    xdotool key --window "$question" space
fi
status=
for i in $(seq 1 100); do
    if ! kill -0 "$app_pid" 2>/dev/null; then
        wait "$app_pid"
        status=$?
        break
    fi
    sleep 0.1
done
if [ -z "$status" ]; then
    fail "the program still runs 10 s after \"Выход\""
else
    app_pid=
    expect "the program ended with status $status after \"Выход\"" "$([ "$status" = 0 ] && echo 1)"
fi
if xdotool search --onlyvisible --name '^Quellor$' >/dev/null 2>&1; then
    fail "the window is still on the screen"
fi

# ===========================================================================
# The window scaled to the screen: a projector's 1920x1080 with the window
# enlarged to fill it, and a 1366x768 laptop at 125 % (Xft.dpi 120, device
# pixel ratio 1.25) with the window given the 1366x747 a window manager
# leaves it. The laid-out 1008 x 729 logical pixels scale by f to fit the
# window, centred; a point of window twips lands at device pixel
# dpr * (origin + twips * f / 15).

stop_program_and_server() {
    cleanup
    app_pid=
    xvfb_pid=
}

# Device pixel of window twips, for the scale in force.
sx() { calc "$dpr * ($ox + ($1) * $zf / 15)"; }
sy() { calc "$dpr * ($oy + ($1) * $zf / 15)"; }
# Window twips of a device pixel.
tx() { calc "($1 / $dpr - $ox) * 15 / $zf"; }
ty() { calc "($1 / $dpr - $oy) * 15 / $zf"; }

# Pixels darker than 40 % grey in the box x y w h of the current screenshot.
count_dark() {
    convert "$current" -crop "${3}x${4}+${1}+${2}" +repage -colorspace Gray -threshold 40% \
        -negate -format "%[fx:round(mean * w * h)]" info:
}

# Every button lies on the screen and shows its caption or its picture.
expect_buttons_on_screen() { # what
    local name box x0 y0 x1 y1 seen
    for name in cmdSob cmdRas cmdCxOff cmdCx cmdExit; do
        eval "box=(\"\${${name}[@]}\")"
        x0=$(cell "$(sx "${box[0]}")")
        y0=$(cell "$(sy "${box[1]}")")
        x1=$(cell "$(sx "${box[0]} + ${box[2]}")")
        y1=$(cell "$(sy "${box[1]} + ${box[3]}")")
        if [ "$name" = cmdSob ] || [ "$name" = cmdRas ]; then
            seen=$(count_colour $((x0 + 3)) $((y0 + 3)) $((x1 - x0 - 6)) $((y1 - y0 - 6)) 008080)
        else
            seen=$(count_dark $((x0 + 3)) $((y0 + 3)) $((x1 - x0 - 6)) $((y1 - y0 - 6)))
        fi
        expect "$1: $name at ($x0, $y0)-($x1, $y1) lies on the ${win_w}x${win_h} window and shows ($seen)" \
            "$([ "$x0" -ge 0 ] && [ "$y0" -ge 0 ] && [ "$x1" -le "$win_w" ] &&
                [ "$y1" -le "$win_h" ] && [ "$seen" -gt 10 ] && echo 1)"
    done
}

# Starts the program on a new server of the given screen, DPI and device
# pixel ratio, gives its window the size w x h and works out the scale.
start_scaled() { # geometry dpi dpr w h [program arguments]
    if ! start_xvfb "$1" "$2"; then
        fail "no free X display for $1 at $2 dpi"
        return 1
    fi
    printf 'Xft.dpi: %s\n' "$2" | xrdb -merge
    env -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u QT_AUTO_SCREEN_SCALE_FACTOR \
        -u QT_ENABLE_HIGHDPI_SCALING -u QT_FONT_DPI -u QT_STYLE_OVERRIDE \
        QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 "$exe" "${@:6}" >"$shots/app.log" 2>&1 &
    app_pid=$!
    if ! find_window; then
        fail "no visible window on $1 at $2 dpi"
        return 1
    fi
    xdotool windowsize "$wid" "$4" "$5"
    sleep 0.5
    read -r win_w win_h <<<"$(xwininfo -id "$wid" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w, h }')"
    dpr=$3
    zf=$(awk "BEGIN { a = $win_w / $dpr / 1008; b = $win_h / $dpr / 729; printf \"%.6f\", a < b ? a : b }")
    ox=$(awk "BEGIN { v = ($win_w / $dpr - 1008 * $zf) / 2; printf \"%d\", v < 0 ? -int(-v + 0.5) : int(v + 0.5) }")
    oy=$(awk "BEGIN { v = ($win_h / $dpr - 729 * $zf) / 2; printf \"%d\", v < 0 ? -int(-v + 0.5) : int(v + 0.5) }")
    log "e2e: ${win_w}x${win_h} at $2 dpi: factor $zf, face at ($ox, $oy)"
}

# 14. A projector: 1920x1080, the window enlarged to the screen. The face fills
#     the height; one construction lands at its scaled places.
stop_program_and_server
if start_scaled 1920x1080x24 96 1 1920 1080; then
    shot "projector"
    expect "projector: the face fills the height (factor $zf)" \
        "$(awk "BEGIN { print ($zf > 1.47 && $zf < 1.49) ? 1 : 0 }")"
    expect_buttons_on_screen "projector"
    click_control_scaled() { xdotool mousemove --window "$wid" "$(cell "$(sx "$1 + $3 / 2")")" "$(cell "$(sy "$2 + $4 / 2")")" click 1; }
    click_control_scaled "${cmdCx[@]}"
    px=$(cell "$(sx "120 + 4500")")
    py=$(cell "$(sy "810 + 3000")")
    drag $((px - 60)) $((py - 40)) "$px" "$py" 20
    shot "projector-construction"
    expect_object_dot_scaled() {
        expect_colour "$1: green object dot at ($2, $3)" "$GREEN" "$2" "$3" $(($2 - 3)) "$3" $(($2 + 3)) "$3"
    }
    expect_object_dot_scaled "projector" "$px" "$py"
    # The object in picLeft twips, as the pixel gives it, and its image.
    obj_x=$(calc "$(tx "$px + 0.5") - 120")
    obj_y=$(calc "$(ty "$py + 0.5") - 810")
    read -r img_x img_y <<<"$(awk "BEGIN { f = 1171.875; d = 7500 - $obj_x; v = 1 / (1 / f - 1 / d);
        printf \"%.3f %.3f\", v, 3990 + ($obj_y - 3990) * (-v / d) }")"
    ix=$(sx "7620 + $img_x")
    iy=$(sy "810 + $img_y")
    expect_colour "projector: green image ring at ($ix, $iy) for the object ($obj_x, $obj_y)" "$GREEN" \
        "$(cell "$ix + 4")" "$(cell "$iy")" "$(cell "$ix - 4")" "$(cell "$iy")" "$(cell "$ix")" "$(cell "$iy - 4")"

    # 14b. The graph (Ctrl+G) opens inside the main window, right of the
    #      bench: the fit scales the face and the graph's laid-out 400 pixels
    #      together, the graph at the window's right edge. It has no window
    #      of its own; its marked point of the object (orange E65A00) lies
    #      right of the bench's last column and inside the window, and follows
    #      a drag on the bench: from d = 600 to d = 3000 twips it moves right.
    #      The legend's orange sample stays, so only pixels that changed count.
    xdotool key ctrl+g
    sleep 1.5
    expect "projector: the graph has no window of its own" \
        "$([ -z "$(xdotool search --onlyvisible --name 'график' 2>/dev/null | head -n 1)" ] && echo 1)"
    zf=$(awk "BEGIN { a = $win_w / (1008 + 400); b = $win_h / 729; printf \"%.6f\", a < b ? a : b }")
    panel=$(awk "BEGIN { printf \"%d\", 400 * $zf + 0.5 }")
    ox=$(awk "BEGIN { v = ($win_w - $panel - 1008 * $zf) / 2; printf \"%d\", v < 0 ? -int(-v + 0.5) : int(v + 0.5) }")
    oy=$(awk "BEGIN { v = ($win_h - 729 * $zf) / 2; printf \"%d\", v < 0 ? -int(-v + 0.5) : int(v + 0.5) }")
    bench_right=$(cell "$(sx 15120)")
    drag "$(cell "$(sx "120 + 6900")")" "$(cell "$(sy "810 + 3000")")" \
        "$(cell "$(sx "120 + 6900")")" "$(cell "$(sy "810 + 3000")")" 2
    shot "projector-graph-before"
    before=$current
    drag "$(cell "$(sx "120 + 6900")")" "$(cell "$(sy "810 + 3000")")" \
        "$(cell "$(sx "120 + 4500")")" "$(cell "$(sy "810 + 2500")")" 20
    shot "projector-graph-after"
    # Orange pixels of each shot that the other has not: "min-x max-x mean-x" each.
    read -r from_min from_max from_x to_min to_max to_x <<<"$(for f in "$before" "$current"; do
        convert "$f" txt:- | awk -v f="$f" 'index(toupper($0), "#E65A00 ") { split($1, p, "[,:]"); print f, p[1], p[2] }'
    done | awk -v b="$before" '
        { key = $2 " " $3; seen[key] = seen[key] ($1 == b ? "b" : "a") }
        END {
            bmin = amin = 1e9; bmax = amax = -1
            for (k in seen) {
                split(k, p, " "); x = p[1] + 0
                if (seen[k] == "b") { bx += x; bn++; if (x < bmin) bmin = x; if (x > bmax) bmax = x }
                if (seen[k] == "a") { ax += x; an++; if (x < amin) amin = x; if (x > amax) amax = x }
            }
            if (bn && an) printf "%d %d %.0f %d %d %.0f", bmin, bmax, bx / bn, amin, amax, ax / an
        }')"
    expect "projector: the graph's point lies right of the bench (column $bench_right) in the ${win_w}-wide window: x $from_min..$from_max, then $to_min..$to_max" \
        "$([ -n "$to_x" ] && [ "$from_min" -gt "$bench_right" ] && [ "$to_min" -gt "$bench_right" ] &&
            [ "$from_max" -lt "$win_w" ] && [ "$to_max" -lt "$win_w" ] && echo 1)"
    expect "projector: the graph's point moves right with the drag (x $from_x to $to_x)" \
        "$([ -n "$to_x" ] && [ "$to_x" -gt $((from_x + 20)) ] && echo 1)"
    expect_object_dot_scaled "projector with the graph" "$(cell "$(sx "120 + 4500")")" "$(cell "$(sy "810 + 2500")")"
    xdotool key ctrl+g
fi

# 15. A 1366x768 laptop at 125 %: the whole window fits, every button shows.
stop_program_and_server
if start_scaled 1366x768x24 120 1.25 1366 747; then
    shot "laptop-125"
    expect "laptop: the face is scaled down to fit (factor $zf)" \
        "$(awk "BEGIN { print ($zf < 0.9 && $zf > 0.8) ? 1 : 0 }")"
    expect_buttons_on_screen "laptop at 125 %"
    expect_colour "laptop: the lens plane shows between the lens pieces" "$GREY" \
        "$(cell "$(sx 7612)")" "$(cell "$(sy 5300)")"
fi
stop_program_and_server

# 16. Tasks for pupils on the projector: series 42 as the program lists it;
#     the point is worked out here from the thin-lens law (P from the two
#     surfaces, f = n1/P, f' = n2/P, n1/d + n2/b = P) and clicked. The verdict
#     line turns green for an answer within the tolerance, red for one 2 cm
#     off; the pupil's point is marked where it was clicked.
mapfile -t tasks < <("$exe" --tasks 42 --list-tasks)
expect "tasks: series 42 lists ten tasks" "$([ "${#tasks[@]}" = 10 ] && echo 1)"
task_point() { # index -> bench x y of the image or of the back focus F'
    echo "${tasks[$1]}" | awk '{ n1 = $3; N = $4; n2 = $5; P = (N - n1) / $6 + (n2 - N) / $7
        if ($1 == "focus") { printf "%.3f 3990\n", 7500 + n2 / P; exit }
        d = 7500 - $8; b = n2 / (P - n1 / d); m = -(n1 * b) / (n2 * d)
        printf "%.3f %.3f\n", 7500 + b, 3990 + m * ($9 - 3990) }'
}
# Window twips of a bench point: picLeft at (120, 810), picRigth beyond it.
readonly VERDICT_RIGHT=CDFACD VERDICT_WRONG=FFD7D7 PUPIL_MARK=C800C8
if start_scaled 1920x1080x24 96 1 1920 1080 --tasks 42; then
    first_image=-1
    first_focus=-1
    for i in "${!tasks[@]}"; do
        case ${tasks[$i]} in
        image*) [ "$first_image" -lt 0 ] && first_image=$i ;;
        focus*) [ "$first_focus" -lt 0 ] && first_focus=$i ;;
        esac
    done
    answer() { # index kind-name offset-twips expected-background
        local x y cx cy
        read -r x y <<<"$(task_point "$1")"
        # An offset goes towards the middle of the point's area, so the click
        # stays on the bench.
        x=$(awk "BEGIN { a = $x < 7500 ? $x : $x - 7500; print $x + (a > 3750 ? -$3 : $3) }")
        cx=$(cell "$(sx "120 + $x")")
        cy=$(cell "$(sy "810 + $y")")
        xdotool mousemove --window "$wid" "$cx" "$cy" click 1
        shot "task-$1-$2"
        # The verdict line, lblTask2, at its right end where no words stand.
        expect_colour "tasks: task $(($1 + 1)) ($2) judged $4" "$4" \
            "$(cell "$(sx 14900)")" "$(cell "$(sy "840 + 2.5 * 285")")"
        # Its ring and cross about the click (the axis strip stands in front).
        expect_some "tasks: the pupil's point marked at ($cx, $cy)" "$PUPIL_MARK" \
            $((cx - 12)) $((cy - 12)) 25 25 30
    }
    at=0
    next_until() { while [ "$at" -lt "$1" ]; do xdotool key ctrl+n; at=$((at + 1)); sleep 0.2; done; }
    for index in $(printf '%s\n' "$first_image" "$first_focus" | sort -n); do
        [ "$index" -lt 0 ] && continue
        next_until "$index"
        if [ "$index" = "$first_image" ]; then kind=image; else kind=focus; fi
        answer "$index" "$kind" 0 "$VERDICT_RIGHT"
    done
    expect "tasks: series 42 holds both kinds" "$([ "$first_image" -ge 0 ] && [ "$first_focus" -ge 0 ] && echo 1)"
    next_until $((at + 1))
    answer "$at" "off-by-2cm" 1134 "$VERDICT_WRONG"
    # Esc leaves the task mode: the lines go, the bench is the start's again.
    xdotool key Escape
    shot "tasks-left"
    expect_colour "tasks: the task's lines gone after Esc" "$WHITE" \
        "$(cell "$(sx 14900)")" "$(cell "$(sy "840 + 0.5 * 285")")"
fi
stop_program_and_server

# 17. Water typed into the left index: a mouse click on its read-out (which lies
#     over the left area in the scheme) opens the editor, in Russian and in
#     English; 1,33 tints the medium and places no object.
lbln1_window=(6240 8400 1335 435) # picLeft (120, 810) + the read-out's box
click_box_scaled() { xdotool mousemove --window "$wid" "$(cell "$(sx "$1 + $3 / 2")")" "$(cell "$(sy "$2 + $4 / 2")")" click 1; }
for language in ru en; do
    if LANGUAGE=$language start_scaled 1920x1080x24 96 1 1920 1080; then
        click_box_scaled "${cmdCx[@]}"
        medium_x=$(cell "$(sx "120 + 1500")")
        medium_y=$(cell "$(sy "810 + 1500")")
        shot "typed-$language-before"
        expect_colour "typed ($language): the left medium white at n1 = 1" "$WHITE" "$medium_x" "$medium_y"
        click_box_scaled "${lbln1_window[@]}"
        sleep 0.3
        xdotool type --delay 60 "1,33"
        xdotool key Return
        shot "typed-$language"
        expect_not_colour "typed ($language): 1,33 tints the left medium" "$WHITE" "$medium_x" "$medium_y"
        expect_none "typed ($language): no object placed under the read-out" "$GREEN" \
            "$(cell "$(sx 120)")" "$(cell "$(sy 810)")" "$(cell "$(calc "$(sx 7620) - $(sx 120)")")" \
            "$(cell "$(calc "$(sy 8400) - $(sy 810)")")"
    fi
    stop_program_and_server
done

# 18. The laboratory work on the projector, in Russian and in English: the
#     screen is dragged along the axis until the picture on its face (the
#     inset at window twips 7800 6900 3300 1900) has the steepest edges, as a
#     pupil judges sharpness; there it stands where the lens law puts the
#     image, within a ruler's division (1 mm, 56.7 twips). The start lens has
#     F = 1171.875 twips, the object stands 2.5 F before it: b = 1 / (1/F - 1/d).
#     "Записать" (Ctrl+R) puts the row and the answer in the table; the pupil's
#     lab stays.
readonly LAB_ROOM=3C3C46
lab_face=(8300 7200 2300 1300) # the middle of the screen's face, window twips
lab_px() { cell "$(sx "7620 + $1")"; }
# The steepest step between neighbouring pixels along the face's rows, 0-255.
lab_steepness() {
    local x y w h
    x=$(cell "$(sx "${lab_face[0]}")")
    y=$(cell "$(sy "${lab_face[1]}")")
    w=$(cell "$(calc "$(sx "${lab_face[0]} + ${lab_face[2]}") - $x")")
    h=$(cell "$(calc "$(sy "${lab_face[1]} + ${lab_face[3]}") - $y")")
    import -window "$wid" "$shots/.lab.png" 2>/dev/null
    convert "$shots/.lab.png" -crop "${w}x${h}+${x}+${y}" +repage -colorspace Gray \
        \( +clone -roll +1+0 \) -compose difference -composite -crop +1+0 +repage \
        -format "%[fx:round(maxima * 255)]" info:
}
for language in ru en; do
    if LANGUAGE=$language start_scaled 1920x1080x24 96 1 1920 1080 --lab; then
        axis_py=$(cell "$(sy "810 + 3990")")
        shot "lab-$language-start"
        expect_colour "lab ($language): the screen's face is shown" "$LAB_ROOM" \
            "$(cell "$(sx 7830)")" "$(cell "$(sy 7850)")"
        pointer_to "$(lab_px 3000)" "$axis_py"
        sleep 0.05
        xdotool mousedown 1
        best=-1
        best_px=0
        search() { # from-pixel to-pixel step
            local px e
            for px in $(seq "$1" "$3" "$2"); do
                pointer_to "$px" "$axis_py"
                sleep 0.08
                e=$(lab_steepness)
                if [ "${e:-0}" -gt "$best" ]; then
                    best=$e
                    best_px=$px
                fi
            done
        }
        # A sweep across the area, then closer about the best, then pixel by pixel.
        search "$(lab_px 600)" "$(lab_px 6600)" 20
        search $((best_px - 20)) $((best_px + 20)) 4
        search $((best_px - 3)) $((best_px + 3)) 1
        pointer_to "$best_px" "$axis_py"
        sleep 0.1
        xdotool mouseup 1
        found=$(calc "$(tx "$best_px + 0.5") - 7620")
        read -r lab_b <<<"$(awk 'BEGIN { F = 1171.875; d = 2.5 * F; printf "%.3f", 1 / (1 / F - 1 / d) }')"
        expect "lab ($language): the sharpest picture (edge $best) with the screen at $found twips, the image at $lab_b" \
            "$(awk "BEGIN { d = $found - $lab_b; print (d < 0 ? -d : d) <= 56.7 ? 1 : 0 }")"
        row_box=("$(cell "$(sx 900)")" "$(cell "$(sy "840 + 2 * 285")")" \
            "$(cell "$(calc "$(sx 5300) - $(sx 900)")")" "$(cell "$(calc "$(sy 285) - $(sy 0)")")")
        answer_box=("$(cell "$(sx 300)")" "$(cell "$(sy "840 + 7 * 285")")" \
            "$(cell "$(calc "$(sx 14000) - $(sx 300)")")" "$(cell "$(calc "$(sy 285) - $(sy 0)")")")
        shot "lab-$language-sharp"
        row_before=$(count_dark "${row_box[@]}")
        xdotool key ctrl+r
        shot "lab-$language-recorded"
        expect "lab ($language): Ctrl+R writes the first row (dark pixels $row_before, then $(count_dark "${row_box[@]}"))" \
            "$([ "$row_before" -eq 0 ] && [ "$(count_dark "${row_box[@]}")" -gt 30 ] && echo 1)"
        expect "lab ($language): a row with an image gives the answer line" \
            "$([ "$(count_dark "${answer_box[@]}")" -gt 30 ] && echo 1)"
        # A pupil's lab is neither revealed (the face would step aside for the
        # construction) nor left for the bench with its foci.
        xdotool key ctrl+b ctrl+shift+b Escape
        shot "lab-$language-kept"
        expect_colour "lab ($language): Ctrl+B, Ctrl+Shift+B and Esc leave the pupil's lab as it was" \
            "$LAB_ROOM" "$(cell "$(sx 7830)")" "$(cell "$(sy 7850)")"
    fi
    stop_program_and_server
done

# 19. The optical system, in Russian and in English: "Система" pressed where it
#     stands puts a second lens (its bar 0000C0) 6 cm (3402 twips) behind the
#     first; a drag takes it 3 cm farther; Esc takes it off.
for language in ru en; do
    if LANGUAGE=$language start_scaled 1920x1080x24 96 1 1920 1080; then
        lens_y=$(cell "$(sy "810 + 4600")") at6=$(cell "$(sx "7620 + 3402")") at9=$(cell "$(sx "7620 + 5103")")
        click_box_scaled "${cmdCx[@]}"
        click_at "$(cell "$(sx 4120)")" "$(cell "$(sy 3810)")"
        click_box_scaled 14160 10500 900 375 # cmdSystem
        shot "system-$language-added"
        expect_colour "system ($language): the second lens 6 cm behind the first" 0000C0 "$at6" "$lens_y"
        drag $((at6 + 4)) "$lens_y" $((at9 + 4)) "$lens_y"
        shot "system-$language-dragged"
        expect_colour "system ($language): dragged to 9 cm" 0000C0 "$at9" "$lens_y"
        expect_not_colour "system ($language): gone from 6 cm" 0000C0 "$at6" "$lens_y"
        xdotool key Escape
        shot "system-$language-removed"
        expect_not_colour "system ($language): Esc takes it off" 0000C0 "$at9" "$lens_y"
    fi
    stop_program_and_server
done

# 20. The eye, in Russian and in English: the System button's menu (right
#     button, then the fourth item below the second lens's two) opens it; its
#     retina (B00000) stands 22.78 mm behind the lens line, 646 twips at 1 : 2;
#     a drag of the object keeps it; Esc gives back the bench without it. The
#     eye magnified stands in the right area's lower right corner, its caption
#     band (3C3C46) at window twips 15070 - 5620 + 5000 = 14450, 8790 - 50 - 3920 + 100.
for language in ru en; do
    if LANGUAGE=$language start_scaled 1920x1080x24 96 1 1920 1080; then
        retina_x=$(cell "$(sx "7620 + 646")") retina_y=$(cell "$(sy "810 + 3990 - 150")")
        band_x=$(cell "$(sx 14450)") band_y=$(cell "$(sy 4920)")
        xdotool mousemove --window "$wid" "$(cell "$(sx "14160 + 450")")" "$(cell "$(sy "10500 + 187")")" click 3
        sleep 0.5
        xdotool key --delay 80 Down Down Down Return
        sleep 0.5
        shot "eye-$language-opened"
        expect_colour "eye ($language): the retina behind the lens" B00000 "$retina_x" "$retina_y"
        expect_colour "eye ($language): the eye magnified in the corner" 3C3C46 "$band_x" "$band_y"
        drag "$(cell "$(sx "120 + 2000")")" "$(cell "$(sy "810 + 3000")")" \
            "$(cell "$(sx "120 + 4000")")" "$(cell "$(sy "810 + 2500")")"
        shot "eye-$language-dragged"
        expect_colour "eye ($language): the retina stays" B00000 "$retina_x" "$retina_y"
        xdotool key Escape
        sleep 0.3
        shot "eye-$language-left"
        expect_not_colour "eye ($language): Esc gives back the bench" B00000 "$retina_x" "$retina_y"
        expect_not_colour "eye ($language): and takes the magnified eye off" 3C3C46 "$band_x" "$band_y"
    fi
    stop_program_and_server
done

if [ "$failures" -ne 0 ]; then
    log ""
    log "e2e: $failures check(s) failed. Screenshots kept in $shots:"
    ls -1 "$shots"/*.png | sed 's/^/  /'
    log "Program output ($shots/app.log):"
    sed 's/^/  /' "$shots/app.log"
    exit 1
fi
# The screenshots of a passing run are kept only on request.
[ -n "${QUELLOR_E2E_KEEP:-}" ] || rm -rf "$shots"
log "e2e: all checks passed"
