#!/usr/bin/env bash
# The windows scale as a whole: screenshots of all four windows and the progress window at scale 1 on a
# 96-dpi screen and at scale 2 on a 192-dpi screen, saved as artefacts to look at;
# there each window keeps its own size. On a "small" screen too small for the
# windows (by default 800x600 at scale 1.5) each window, its frame included, fits on
# the screen instead, its controls scrolling inside it, and the control that the
# keyboard reaches is scrolled into view.
#
# Usage: scaling.sh BUILD_DIR 1|2|small [WIDTHxHEIGHT SCALE]
here=$(cd "$(dirname "$0")" && pwd)
scale=${2:-1}
if [[ "$scale" == 1 ]]; then
    export E2E_SCREEN=1280x1024x24 E2E_DPI=96
elif [[ "$scale" == small ]]; then
    screen=${3:-800x600}
    export E2E_SCREEN=${screen}x24 E2E_DPI=96 QT_SCALE_FACTOR=${4:-1.5}
    screen_width=${screen%x*} screen_height=${screen#*x}
    name=-small-$screen-${4:-1.5}
else
    export E2E_SCREEN=2600x2200x24 E2E_DPI=192 QT_SCALE_FACTOR=$scale
fi
source "$here/lib.sh"
source "$here/a11y.sh"
e2e_setup "$1"
e2e_a11y_setup
a11y() { /usr/bin/python3 "$here/a11y.py" veltro-weight-loss-calculator "$@"; }

# On the small screen: the window with its frame lies wholly on the screen.
frame_on_screen() {
    local window=$1 what=$2 x y width height l r t b
    [[ "$scale" == small ]] || return 0
    read -r x y width height < <(xwininfo -id "$window" |
        awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF} /Width:/ {w = $NF} /Height:/ {print x, y, w, $NF}')
    read -r l r t b < <(xprop -id "$window" _NET_FRAME_EXTENTS | awk -F' = ' '{gsub(",", ""); print $2}')
    e2e_log "$what: ${width}x${height} at $x,$y, its frame $l $r $t $b, on the $screen screen"
    ((x - l >= 0 && y - t >= 0 && x + width + r <= screen_width && y + height + b <= screen_height)) ||
        e2e_fail "the $what with its frame does not fit on the screen"
}

e2e_start_program
main=$(e2e_window '^Veltro Weight Loss Calculator v1.0$') || e2e_fail "main window did not appear"
xdotool windowactivate --sync "$main"
sleep 0.5
frame_on_screen "$main" "main window"
read -r width height < <(xdotool getwindowgeometry "$main" | awk '/Geometry/ {split($2, a, "x"); print a[1], a[2]}')
e2e_log "main window at scale $scale: ${width}x${height}"
if [[ "$scale" != small ]]; then
    ((width >= 568 * scale && width < 580 * scale && height >= 510 * scale && height < 530 * scale)) ||
        e2e_fail "main window is ${width}x${height} at scale $scale"
fi

e2e_type ann
for _ in $(seq 6); do e2e_key Tab; done
if [[ "$scale" == small ]]; then
    # Calculate, below the visible part at first, is scrolled into view.
    read -r x y < <(a11y --where Calculate) || e2e_fail "no Calculate button"
    ((x > 0 && x < screen_width && y > 0 && y < screen_height)) ||
        e2e_fail "the focused Calculate button is at $x,$y, off the screen"
    e2e_screenshot root "scale$name-calculate-focused"
fi
for _ in $(seq 3); do e2e_key Tab; done
e2e_type 180
e2e_key Tab Tab
e2e_type 10
e2e_key Tab
e2e_screenshot "$main" "scale${name:-$scale}-main-window"
e2e_key alt+f
e2e_key Return
sleep 0.5
results=$(e2e_window '^Veltro Weight Loss Calculator v1.0$') || e2e_fail "results window did not appear"
frame_on_screen "$results" "results window"
e2e_screenshot "$results" "scale${name:-$scale}-results-window"

e2e_key alt+h
e2e_key a
about=$(e2e_window '^Veltro Weight Loss Calculator v1.0$') || e2e_fail "about box did not appear"
sleep 0.3
frame_on_screen "$about" "about box"
e2e_screenshot "$about" "scale${name:-$scale}-about-box"
e2e_key Escape
sleep 0.3

# The progress window, resizable, takes what room the screen has.
xdotool windowactivate --sync "$results"
e2e_key alt+f && e2e_key r # File > Your Progress
progress=$(e2e_window '^Your progress' 15) || e2e_fail "the progress window did not appear"
sleep 0.5
frame_on_screen "$progress" "progress window"
e2e_screenshot "$progress" "scale${name:-$scale}-progress-window"
xdotool windowactivate --sync "$progress"
e2e_key Escape
sleep 0.3

xdotool windowactivate --sync "$results"
e2e_key alt+F4
sleep 0.5
exit_screen=$(e2e_window '^Veltro Weight Loss Calculator v1.0$') || e2e_fail "exit screen did not appear"
frame_on_screen "$exit_screen" "exit screen"
e2e_screenshot "$exit_screen" "scale${name:-$scale}-exit-screen"
xdotool windowactivate --sync "$exit_screen"
e2e_key alt+x
e2e_wait_exit "$E2E_APP_PID" || e2e_fail "the program did not end"
code=$E2E_EXIT_CODE
[[ "$code" == 0 ]] || e2e_fail "exit code $code"
e2e_log "scale $scale passed"
