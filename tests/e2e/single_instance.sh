#!/usr/bin/env bash
# The installed program started again while it runs, from environments that differ
# (no XDG_RUNTIME_DIR, another TMPDIR or HOME), after it was killed, and ten times at
# the same moment: one instance runs, every other start shows only "Application is
# already running", ends with code 0 and leaves the settings alone. A folder of
# another user planted where the lock goes does not keep the program from starting.
#
# Usage: single_instance.sh BUILD_DIR
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/a11y.sh"
BUILD_DIR=$1
e2e_setup "$BUILD_DIR"
e2e_a11y_setup

MAIN_TITLE='^Veltro Weight Loss Calculator v1\.0$'
BOX_TITLE='^Veltro Weight Loss Calculator$'
# The lock in /tmp is there whatever else the machine has.
LOCK="/tmp/veltro-$(id -u)/veltro-weight-loss-calculator.lock"
TITLE='Veltro Weight Loss Calculator'

count_windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }
windows_at_least() { (($(count_windows "$2") >= $1)); }
no_windows() { (($(count_windows "$1") == 0)); }

# Every file under the settings folder with its size, time and content digest.
settings_snapshot() {
    find "$XDG_CONFIG_HOME" -type f -printf '%P %s %T@\n' | sort
    find "$XDG_CONFIG_HOME" -type f -exec md5sum {} + | sort
}

# Starts the program with its output in a log of its own, and with the environment
# changes that follow the log's name (env's arguments); sets LAST_PID.
start_program() {
    local log=$1
    shift
    env "$@" "$E2E_PROGRAM" >"$E2E_TMP/program-$log.log" 2>&1 &
    E2E_PIDS+=($!)
    LAST_PID=$!
}

# A start that must be refused: the message box of that process, OK, exit code 0.
expect_refused() {
    local what=$1 box code
    shift
    start_program "$what" "$@"
    box=$(e2e_window "$BOX_TITLE" 30) || e2e_fail "$what: no message box"
    [[ $(xdotool getwindowpid "$box") == "$LAST_PID" ]] || e2e_fail "$what: the message box is not its own"
    xdotool windowactivate --sync "$box"
    e2e_key Return
    e2e_wait_exit "$LAST_PID" 15 || e2e_fail "$what: it did not end after OK"
    code=$E2E_EXIT_CODE
    [[ "$code" == 0 ]] || e2e_fail "$what: it ended with code $code"
    e2e_log "$what: refused"
}

# --- A second start while the first runs -------------------------------------------
start_program first
FIRST=$LAST_PID
main_window=$(e2e_window "$MAIN_TITLE" 30) || e2e_fail "the first instance shows no main window"
[[ -e "$LOCK" ]] || e2e_fail "no lock file at $LOCK"
sleep 0.5
before=$(settings_snapshot)
[[ -n "$before" ]] || e2e_fail "the first run wrote no settings"

start_program second
SECOND=$LAST_PID
box=$(e2e_window "$BOX_TITLE" 30) || e2e_fail "the second start shows no message box"
[[ $(xdotool getwindowpid "$box") == "$SECOND" ]] || e2e_fail "the message box is not the second instance's"
[[ $(xdotool getwindowname "$box") == "$TITLE" ]] || e2e_fail "wrong title"
shown=$(e2e_message_boxes 1 15) || e2e_fail "the message box cannot be read"
[[ "$shown" == "$SECOND"$'\t'"$TITLE"$'\t''"Application is already running"'$'\t''OK' ]] ||
    e2e_fail "the message box reads: $shown"
e2e_screenshot "$box" single-instance-message
(($(count_windows "$MAIN_TITLE") == 1)) || e2e_fail "the second start showed a main window"

xdotool windowactivate --sync "$box"
e2e_key Return
e2e_wait_exit "$SECOND" 15 || e2e_fail "the second instance did not end after OK"
code=$E2E_EXIT_CODE
[[ "$code" == 0 ]] || e2e_fail "the second instance ended with code $code"
kill -0 "$FIRST" 2>/dev/null || e2e_fail "the first instance ended"
xdotool search --onlyvisible --name "$MAIN_TITLE" | grep -qx "$main_window" || e2e_fail "the first main window is gone"
after=$(settings_snapshot)
[[ "$before" == "$after" ]] || e2e_fail "the second start changed the settings:"$'\n'"$before"$'\n'"---"$'\n'"$after"
e2e_log "second start: message, exit code 0, settings untouched"

# --- Starts from environments that differ -----------------------------------------
mkdir -p "$E2E_TMP/tmp2" "$E2E_TMP/home2"
expect_refused "without XDG_RUNTIME_DIR" -u XDG_RUNTIME_DIR
expect_refused "with another TMPDIR" -u XDG_RUNTIME_DIR TMPDIR="$E2E_TMP/tmp2"
expect_refused "with another HOME" HOME="$E2E_TMP/home2"
kill "$FIRST"
e2e_wait_exit "$FIRST" 15 || e2e_fail "the first instance did not end on SIGTERM"
e2e_wait_for 15 no_windows "$MAIN_TITLE" || e2e_fail "the first instance's window stays"
# The other way round: the running instance has neither XDG_RUNTIME_DIR nor TMPDIR.
start_program "first without XDG_RUNTIME_DIR" -u XDG_RUNTIME_DIR TMPDIR="$E2E_TMP/tmp2"
FIRST=$LAST_PID
e2e_window "$MAIN_TITLE" 30 >/dev/null || e2e_fail "no main window without XDG_RUNTIME_DIR"
expect_refused "with XDG_RUNTIME_DIR beside one without"
expect_refused "with the default TMPDIR beside another" -u XDG_RUNTIME_DIR -u TMPDIR

# --- A start after the running instance was killed --------------------------------
kill -9 "$FIRST"
e2e_wait_exit "$FIRST" 15 || e2e_fail "the first instance survived kill -9"
[[ -e "$LOCK" ]] || e2e_fail "kill -9 left no lock file behind; the case tests nothing"
e2e_wait_for 15 no_windows "$MAIN_TITLE" || e2e_fail "the killed instance's window stays"
start_program after-kill
AFTER_KILL=$LAST_PID
e2e_window "$MAIN_TITLE" 30 >/dev/null || e2e_fail "no main window after the first instance was killed"
(($(count_windows "$BOX_TITLE") == 0)) || e2e_fail "a message box came up after the first instance was killed"
e2e_log "start after kill -9: main window"

# --- Ten starts at the same moment, over the lock the last one leaves behind -------
kill -9 "$AFTER_KILL"
e2e_wait_exit "$AFTER_KILL" 15 || e2e_fail "the instance survived kill -9"
e2e_wait_for 15 no_windows "$MAIN_TITLE" || e2e_fail "the killed instance's window stays"
GO="$E2E_TMP/go"
TEN=()
for i in $(seq 1 10); do
    (
        while [[ ! -e "$GO" ]]; do sleep 0.01; done
        exec "$E2E_PROGRAM" >"$E2E_TMP/program-ten-$i.log" 2>&1
    ) &
    TEN+=($!)
    E2E_PIDS+=($!)
done
sleep 0.5
touch "$GO"

e2e_wait_for 60 windows_at_least 9 "$BOX_TITLE" ||
    e2e_fail "expected nine message boxes, found $(count_windows "$BOX_TITLE")"
e2e_window "$MAIN_TITLE" 30 >/dev/null || e2e_fail "no instance shows its main window"
sleep 1
(($(count_windows "$BOX_TITLE") == 9)) || e2e_fail "$(count_windows "$BOX_TITLE") message boxes"
(($(count_windows "$MAIN_TITLE") == 1)) || e2e_fail "$(count_windows "$MAIN_TITLE") main windows"
e2e_screenshot root ten-starts
boxes=$(e2e_message_boxes 9 30) || e2e_fail "the message boxes cannot be read"
while IFS=$'\t' read -r pid title text buttons; do
    [[ " ${TEN[*]} " == *" $pid "* ]] || e2e_fail "a message box of an unknown process $pid"
    [[ "$title|$text|$buttons" == "$TITLE|\"Application is already running\"|OK" ]] ||
        e2e_fail "a message box reads: $title $text $buttons"
done <<<"$boxes"
(($(wc -l <<<"$boxes") == 9)) || e2e_fail "the screen reader finds $(wc -l <<<"$boxes") message boxes"

for box in $(xdotool search --onlyvisible --name "$BOX_TITLE"); do
    xdotool windowactivate --sync "$box"
    e2e_key Return
done
running=()
for pid in "${TEN[@]}"; do
    if e2e_wait_exit "$pid" 5; then
        code=$E2E_EXIT_CODE
        [[ "$code" == 0 ]] || e2e_fail "a second instance ended with code $code"
    else
        running+=("$pid")
    fi
done
((${#running[@]} == 1)) || e2e_fail "${#running[@]} instances still run: ${running[*]}"
main_window=$(e2e_window "$MAIN_TITLE" 5) || e2e_fail "the running instance lost its main window"
[[ $(xdotool getwindowpid "$main_window") == "${running[0]}" ]] || e2e_fail "the main window is not the survivor's"
e2e_log "ten starts: one runs, nine showed the message and ended with code 0"

# --- A start while the running instance shows its exit screen ---------------------
xdotool windowactivate --sync "$main_window"
e2e_key alt+x
sleep 0.5
exit_screen=$(e2e_window "$MAIN_TITLE" 15) || e2e_fail "no exit screen after Alt+X"
[[ "$exit_screen" != "$main_window" ]] || e2e_fail "Alt+X left the main window on view"
expect_refused "beside the exit screen"
kill -0 "${running[0]}" 2>/dev/null || e2e_fail "the instance at its exit screen ended"
xdotool search --onlyvisible --name "$MAIN_TITLE" | grep -qx "$exit_screen" || e2e_fail "the exit screen is gone"
e2e_log "start beside the exit screen: message, exit code 0, exit screen stays"

# --- A folder of another user where the lock goes ---------------------------------
# Mounted over the lock's folder in a mount namespace of its own, so the real one stays
# as it is. Only root can plant a folder of another owner; the program still starts,
# without a lock.
if [[ $(id -u) == 0 ]] && unshare -m true 2>/dev/null; then
    kill "${running[0]}"
    e2e_wait_for 15 no_windows "$MAIN_TITLE" || e2e_fail "the running instance's windows stay"
    mkdir -m 700 "$E2E_TMP/planted" && chown 65534:65534 "$E2E_TMP/planted"
    unshare -m bash -c 'mount --bind "$1" "$2" && exec "$0"' "$E2E_PROGRAM" "$E2E_TMP/planted" "$(dirname "$LOCK")" \
        >"$E2E_TMP/program-planted.log" 2>&1 &
    E2E_PIDS+=($!)
    PLANTED=$!
    planted=$(e2e_window "$MAIN_TITLE" 30) || e2e_fail "no main window beside a planted lock folder"
    [[ $(xdotool getwindowpid "$planted") == "$PLANTED" ]] || e2e_fail "the main window is not the planted start's"
    e2e_log "a planted folder of another user: the program starts"
else
    e2e_log "planted folder: not root or no mount namespace here, left out"
fi
e2e_log "PASS"
