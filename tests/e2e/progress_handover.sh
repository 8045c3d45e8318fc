#!/usr/bin/env bash
# The launcher's "Your Progress" (--progress) while the program runs, under a window
# manager: the running instance shows its progress window in front, restored and
# active, within a second, and the later start ends with status 0 and no message; it
# does so again with the progress window minimised or on another desktop (it comes to
# the current one, where it was), and after the running instance was killed and left
# its socket behind. A plain second start is still refused.
#
# Usage: progress_handover.sh BUILD_DIR [openbox]
here=$(cd "$(dirname "$0")" && pwd)
export E2E_WM=${2:-openbox}
source "$here/lib.sh"
e2e_setup "$1"
MAIN_TITLE='^Veltro Weight Loss Calculator v1\.0$'
BOX_TITLE='^Veltro Weight Loss Calculator$'
PROGRESS_TITLE='^Your progress'
SOCKET="/tmp/veltro-$(id -u)/veltro-weight-loss-calculator.socket"

wm_state() { xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/.*window state: //p'; }
is_state() { [[ "$(wm_state "$1")" == "$2" ]]; }
active_is() { [[ "$(xdotool getactivewindow 2>/dev/null)" == "$1" ]]; }
progress_in_front() {
    local id
    id=$(xdotool search --onlyvisible --name "$PROGRESS_TITLE" 2>/dev/null | tail -n 1) || return 1
    [[ -n "$id" ]] && active_is "$id" && is_state "$id" Normal
}
now_ms() { date +%s%3N; }

# --progress while the program runs: the time until its progress window is the active
# window in the Normal state, and the later start's exit status.
hand_over() {
    local what=$1 started pid elapsed
    started=$(now_ms)
    "$E2E_PROGRAM" --progress >>"$E2E_TMP/program-later.log" 2>&1 &
    pid=$!
    E2E_PIDS+=("$pid")
    e2e_wait_for 10 progress_in_front || e2e_fail "$what: the progress window is not in front"
    elapsed=$(($(now_ms) - started))
    e2e_wait_exit "$pid" 10 || e2e_fail "$what: the later start did not end"
    [[ "$E2E_EXIT_CODE" == 0 ]] || e2e_fail "$what: the later start ended with status $E2E_EXIT_CODE"
    (($(xdotool search --onlyvisible --name "$BOX_TITLE" 2>/dev/null | wc -l) == 0)) ||
        e2e_fail "$what: a message box came up"
    # The time is logged, not judged: a busy machine makes any limit here a coin toss.
    e2e_log "$what: progress window in front after $elapsed ms, later start ended with 0"
}

start_running() {
    e2e_start_program
    MAIN=$(e2e_window "$MAIN_TITLE" 30) || e2e_fail "no main window"
    e2e_wait_for 10 active_is "$MAIN" || e2e_fail "the main window is not active"
}

start_running
xdotool windowminimize --sync "$MAIN"
e2e_wait_for 5 is_state "$MAIN" Iconic || e2e_fail "the main window was not minimised"
hand_over "main window minimised"
PROGRESS=$(xdotool getactivewindow)
[[ $(xdotool getwindowpid "$PROGRESS") == "$E2E_APP_PID" ]] || e2e_fail "the progress window is not the running instance's"
e2e_screenshot root progress-handed-over

xdotool windowminimize --sync "$PROGRESS"
e2e_wait_for 5 is_state "$PROGRESS" Iconic || e2e_fail "the progress window was not minimised"
hand_over "progress window minimised"
[[ "$(xdotool getactivewindow)" == "$PROGRESS" ]] || e2e_fail "a second progress window came up"

# On another desktop than the one the person works on: it comes to the current one,
# where it was on the screen.
where() { xdotool getwindowgeometry "$1" | sed -n 's/ *Position: \([0-9]*,[0-9]*\).*/\1/p'; }
before=$(where "$PROGRESS")
xdotool set_desktop_for_window "$PROGRESS" 1
e2e_wait_for 5 sh -c "[ \"\$(xdotool get_desktop_for_window $PROGRESS)\" = 1 ]" || e2e_fail "the window did not move"
hand_over "progress window on another desktop"
[[ $(xdotool get_desktop) == 0 && $(xdotool get_desktop_for_window "$PROGRESS") == 0 ]] ||
    e2e_fail "the progress window is on desktop $(xdotool get_desktop_for_window "$PROGRESS"), not the current one"
[[ $(where "$PROGRESS") == "$before" ]] || e2e_fail "the progress window moved from $before to $(where "$PROGRESS")"

# A plain second start keeps its message.
"$E2E_PROGRAM" >>"$E2E_TMP/program-plain.log" 2>&1 &
PLAIN=$!
E2E_PIDS+=("$PLAIN")
box=$(e2e_window "$BOX_TITLE" 30) || e2e_fail "a plain second start showed no message"
[[ $(xdotool getwindowpid "$box") == "$PLAIN" ]] || e2e_fail "the message box is not the plain start's"
xdotool windowactivate --sync "$box"
e2e_key Return
e2e_wait_exit "$PLAIN" 15 || e2e_fail "the plain second start did not end after OK"
[[ "$E2E_EXIT_CODE" == 0 ]] || e2e_fail "the plain second start ended with status $E2E_EXIT_CODE"
e2e_log "plain second start: refused as ever"

# Killed, the instance leaves its socket; the next one listens there all the same.
kill -9 "$E2E_APP_PID"
e2e_wait_exit "$E2E_APP_PID" 15 || e2e_fail "the program survived kill -9"
[[ -S "$SOCKET" ]] || e2e_fail "kill -9 left no socket at $SOCKET; the case tests nothing"
e2e_wait_for 15 sh -c "! xdotool search --onlyvisible --name '$MAIN_TITLE' >/dev/null" ||
    e2e_fail "the killed instance's windows stay"
start_running
hand_over "after a killed instance's socket"
e2e_log "PASS"
