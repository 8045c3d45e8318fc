#!/usr/bin/env bash
# The windows scale as a whole: screenshots of all four windows at scale 1 on a
# 96-dpi screen and at scale 2 on a 192-dpi screen, saved as artefacts to look at.
# At scale "small" (1.5 on an 800x600 screen, too small for the main window) it only
# checks that the window's top-left corner, and so its title bar, is on the screen.
here=$(cd "$(dirname "$0")" && pwd)
scale=${2:-1}
if [[ "$scale" == 1 ]]; then
    export E2E_SCREEN=1280x1024x24 E2E_DPI=96
elif [[ "$scale" == small ]]; then
    export E2E_SCREEN=800x600x24 E2E_DPI=96 QT_SCALE_FACTOR=1.5
else
    export E2E_SCREEN=2600x2200x24 E2E_DPI=192 QT_SCALE_FACTOR=$scale
fi
source "$here/lib.sh"
e2e_setup "$1"

e2e_start_program
main=$(e2e_window '^Veltro Weight Loss Calculator v1.0$') || e2e_fail "main window did not appear"
if [[ "$scale" == small ]]; then
    sleep 0.5
    e2e_screenshot root scale-small-screen
    # The frame's outer corner, where the window manager drew the title bar.
    read -r left top < <(xwininfo -id "$main" -frame | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {print x, $NF}')
    e2e_log "main window's frame at $left,$top on an 800x600 screen at scale 1.5"
    ((left >= 0 && top >= 0)) || e2e_fail "the main window's top-left corner is off the screen: $left,$top"
    exit 0
fi
xdotool windowactivate --sync "$main"
sleep 0.5
read -r width height < <(xdotool getwindowgeometry "$main" | awk '/Geometry/ {split($2, a, "x"); print a[1], a[2]}')
e2e_log "main window at scale $scale: ${width}x${height}"
((width >= 568 * scale && width < 580 * scale)) || e2e_fail "main window is $width wide at scale $scale"

e2e_type ann
for _ in $(seq 9); do e2e_key Tab; done
e2e_type 180
e2e_key Tab Tab
e2e_type 10
e2e_key Tab
e2e_screenshot "$main" "scale$scale-main-window"
e2e_key alt+f
e2e_key Return
sleep 0.5
results=$(e2e_window '^Veltro Weight Loss Calculator v1.0$') || e2e_fail "results window did not appear"
e2e_screenshot "$results" "scale$scale-results-window"

e2e_key alt+h
e2e_key a
about=$(e2e_window '^Veltro Weight Loss Calculator v1.0$') || e2e_fail "about box did not appear"
sleep 0.3
e2e_screenshot "$about" "scale$scale-about-box"
e2e_key Escape
sleep 0.3

xdotool windowactivate --sync "$results"
e2e_key alt+F4
sleep 0.5
exit_screen=$(e2e_window '^Veltro Weight Loss Calculator v1.0$') || e2e_fail "exit screen did not appear"
e2e_screenshot "$exit_screen" "scale$scale-exit-screen"
xdotool windowactivate --sync "$exit_screen"
e2e_key alt+x
e2e_wait_exit "$E2E_APP_PID" || e2e_fail "the program did not end"
code=$E2E_EXIT_CODE
[[ "$code" == 0 ]] || e2e_fail "exit code $code"
e2e_log "scale $scale passed"
