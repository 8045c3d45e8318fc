#!/usr/bin/env bash
# The installed program on Wayland: weston runs nested in Xvfb (its X11 backend, so
# xdotool's keys reach it) and the program talks to weston alone, with no X display
# to fall back on. The typical run by keyboard; weston's own maximise (Super+Shift+M)
# on the main window, the results window and the exit screen, after each of which the
# program runs on with its input intact; the plan followed and a weigh-in typed into
# the progress window; then the exit screen ends it with status 0.
# Skipped (status 77) where weston cannot start.
#
# Usage: wayland.sh BUILD_DIR
here=$(cd "$(dirname "$0")" && pwd)
export E2E_WM=none
source "$here/lib.sh"
source "$here/a11y.sh"
e2e_setup "$1"
e2e_a11y_setup
APP=veltro-weight-loss-calculator

command -v weston >/dev/null || { e2e_log "SKIP: weston is not installed"; exit 77; }
weston --backend=x11-backend.so --width=1024 --height=768 --socket=wayland-veltro --idle-time=0 \
    >"$E2E_TMP/weston.log" 2>&1 &
E2E_PIDS+=($!)
if ! e2e_wait_for 20 test -S "$XDG_RUNTIME_DIR/wayland-veltro"; then
    e2e_log "SKIP: weston cannot start here:"
    tail -n 15 "$E2E_TMP/weston.log" >&2
    exit 77
fi
sleep 1 # its desktop shell starts after the socket
# Keys go to the window under the pointer: weston's.
xdotool mousemove 512 384

a11y() { /usr/bin/python3 "$here/a11y.py" "$APP" "$@"; }
text_of() { a11y | awk -F'\t' -v name="$1" '$1 == "text" && $2 == name { print $3; exit }'; }
# The whole reading first: grep -q leaves early, and a reader cut off fails the pipe.
shows() { a11y >"$E2E_TMP/read.txt" && grep -qF "$1" "$E2E_TMP/read.txt"; }
# A session with nothing but a Wayland compositor, as the desktop starts programs.
(
    unset DISPLAY QT_QPA_PLATFORM
    export WAYLAND_DISPLAY=wayland-veltro XDG_SESSION_TYPE=wayland
    exec "$E2E_PROGRAM" >>"$E2E_TMP/program.log" 2>&1
) &
E2E_APP_PID=$!
E2E_PIDS+=("$E2E_APP_PID")
e2e_wait_for 20 shows "Enter the following personal details" || e2e_fail "the main window did not appear"
sleep 0.5

# After a maximise the window is back at its own size.
maximise() {
    local before after
    before=$(a11y --sizes)
    e2e_key super+shift+m
    sleep 1
    kill -0 "$E2E_APP_PID" 2>/dev/null || e2e_fail "maximising the $1 ended the program"
    after=$(a11y --sizes)
    [[ -n "$before" && "$after" == "$before" ]] || e2e_fail "the $1 was $before before the maximise, $after after"
    e2e_log "the $1 is $after again after a maximise"
}

e2e_enter_typical_run
[[ "$(text_of "Weight in kilograms")" == 81.5 ]] || e2e_fail "the kilogram box holds '$(text_of "Weight in kilograms")'"

maximise "main window"
e2e_screenshot root wayland-main-window
[[ "$(text_of Name)" == JOHN && "$(text_of "Weight in pounds")" == 180 ]] ||
    e2e_fail "the input changed: $(a11y | grep -P '^text')"

e2e_key alt+f && e2e_key Return     # File > Calculate
e2e_wait_for 10 shows "should be 2943 calories" || e2e_fail "no maintenance figure: $(a11y | grep label)"
shows "should be 1788 calories" || e2e_fail "no goal figure"
maximise "results window"
shows "should be 2943 calories" || e2e_fail "the results changed"
e2e_screenshot root wayland-results-window

# The plan over the results, by keyboard; Escape closes it.
e2e_key alt+p
e2e_wait_for 10 shows "How these figures are computed" || e2e_fail "Alt+P showed no plan"
shows "Weight chart" || e2e_fail "the plan has no chart"
e2e_screenshot root wayland-plan-window
e2e_key Escape
e2e_wait_for 10 eval '! shows "How these figures are computed"' || e2e_fail "Escape left the plan open"

# The plan followed from the results' File menu: the progress window takes a weigh-in
# by keyboard; Escape closes it.
e2e_key alt+f && e2e_key f          # File > Follow Your Plan
e2e_wait_for 10 shows "Where you stand" || e2e_fail "Follow Your Plan showed no progress window"
e2e_type 179.4
e2e_key Return
e2e_wait_for 10 shows "179.40" || e2e_fail "the weigh-in typed is not in the table: $(a11y | grep 'table cell')"
e2e_screenshot root wayland-progress-window
e2e_key Escape
e2e_wait_for 10 eval '! shows "Where you stand"' || e2e_fail "Escape left the progress window open"

e2e_key alt+f && e2e_key x          # File > Exit
e2e_wait_for 10 shows "Refer A Friend" || e2e_fail "the exit screen did not appear"
maximise "exit screen"
e2e_screenshot root wayland-exit-screen
e2e_key alt+x
e2e_wait_exit "$E2E_APP_PID" || e2e_fail "Alt+X did not end the program"
code=$E2E_EXIT_CODE
[[ "$code" == 0 ]] || e2e_fail "exit status $code"
e2e_log "Wayland passed"
