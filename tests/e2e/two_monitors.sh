#!/usr/bin/env bash
# Two monitors side by side on one X screen (RandR monitors): each window opens
# centred on the monitor the user works on. The main window on the monitor under the
# pointer at start; moved to the other monitor, the about box, the results window and
# the exit screen follow it there.
#
# Usage: two_monitors.sh BUILD_DIR
here=$(cd "$(dirname "$0")" && pwd)
export E2E_SCREEN=2560x1024x24
source "$here/lib.sh"
e2e_setup "$1"
command -v xrandr >/dev/null || e2e_fail "xrandr is missing (the README's test command installs it)"
xrandr --setmonitor left 1280/338x1024/270+0+0 none && xrandr --setmonitor right 1280/338x1024/270+1280+0 none ||
    e2e_fail "the X server makes no monitors"
TITLE='^Veltro Weight Loss Calculator v1.0$'

# The monitor that holds the middle of a window's frame.
monitor_of() {
    local x width
    read -r x width < <(xwininfo -id "$1" -frame | awk '/Absolute upper-left X/ {x = $NF} /Width:/ {print x, $NF}')
    if ((x + width / 2 < 1280)); then echo left; else echo right; fi
}
expect_on() {
    local window=$1 monitor=$2 what=$3
    [[ "$(monitor_of "$window")" == "$monitor" ]] || e2e_fail "the $what opened on the $(monitor_of "$window") monitor"
    e2e_log "the $what opened on the $monitor monitor"
}
# The visible window of the title other than the ones named.
new_window() {
    local id
    for _ in $(seq 50); do
        for id in $(xdotool search --onlyvisible --name "$TITLE" 2>/dev/null); do
            [[ " $* " == *" $id "* ]] || { echo "$id"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

# Started with the pointer on the right monitor: the main window opens there.
xdotool mousemove 1900 500
e2e_start_program
main=$(e2e_window "$TITLE") || e2e_fail "main window did not appear"
sleep 0.5
expect_on "$main" right "main window"
e2e_key alt+x
exit_screen=$(new_window "$main") || e2e_fail "no exit screen"
expect_on "$exit_screen" right "exit screen after Alt+X"
xdotool windowactivate --sync "$exit_screen"
e2e_key alt+x
e2e_wait_exit "$E2E_APP_PID" || e2e_fail "the program did not end"

# Started on the left monitor, the main window is moved to the right one by the user.
xdotool mousemove 600 500
e2e_start_program
main=$(e2e_window "$TITLE") || e2e_fail "main window did not appear again"
sleep 0.5
expect_on "$main" left "main window"
xdotool windowmove --sync "$main" 1500 200
xdotool windowactivate --sync "$main"
sleep 0.3
e2e_key alt+h && e2e_key a
about=$(new_window "$main") || e2e_fail "no about box"
expect_on "$about" right "about box"
e2e_key Escape
sleep 0.3
xdotool windowactivate --sync "$main"
e2e_enter_typical_run
e2e_key alt+f && e2e_key Return
results=$(new_window "$main") || e2e_fail "no results window"
expect_on "$results" right "results window"
xdotool windowactivate --sync "$results"
e2e_key alt+F4
exit_screen=$(new_window "$main" "$results") || e2e_fail "no exit screen"
expect_on "$exit_screen" right "exit screen"
e2e_screenshot root two-monitors-exit-screen
xdotool windowactivate --sync "$exit_screen"
e2e_key alt+x
e2e_wait_exit "$E2E_APP_PID" || e2e_fail "the program did not end"
e2e_log "two monitors passed"
