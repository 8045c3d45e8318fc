#!/usr/bin/env bash
# The person's progress on the installed program, by keyboard alone: the typical run's
# plan followed from its plan window, weigh-ins on four past days typed into the
# progress window, one added from the command line while the program runs (shown when
# the window is next activated); the program quit and started again with --progress,
# everything still there; the weigh-ins exported through the window and imported into
# a fresh journal, which then holds the same weigh-ins.
#
# Usage: progress.sh BUILD_DIR [openbox|icewm|none]
here=$(cd "$(dirname "$0")" && pwd)
export E2E_WM=${2:-openbox}
source "$here/lib.sh"
source "$here/a11y.sh"
e2e_setup "$1"
e2e_a11y_setup
APP=veltro-weight-loss-calculator
TITLE='^Veltro Weight Loss Calculator v1.0$'
PROGRESS_TITLE='^Your progress'

a11y() { /usr/bin/python3 "$here/a11y.py" "$APP" "$@"; }
# The whole reading first: grep -q leaves early, and a reader cut off fails the pipe.
shows() { a11y >"$E2E_TMP/read.txt" && grep -qF -- "$1" "$E2E_TMP/read.txt"; }
expect() { e2e_wait_for 10 shows "$1" || e2e_fail "$2: the window does not show '$1'"; }
# Hidden windows may still report a focused control of their own: the one of the
# window in front is among those reported.
focused() { a11y --focused | cut -f2 | paste -sd'|'; }
focus_in() { a11y --focused | cut -f2 | grep -qxF -- "$1"; }
# The exit screen from the main or results window in front (File > Exit), then the end
# of the run.
quit() {
    e2e_activate "$1"
    e2e_key alt+f && e2e_key x
    local exit_screen
    exit_screen=$(e2e_window "$TITLE") || e2e_fail "no exit screen"
    e2e_activate "$exit_screen"
    e2e_key alt+x
    e2e_wait_exit "$E2E_APP_PID" || e2e_fail "the program did not end"
    [[ "$E2E_EXIT_CODE" == 0 ]] || e2e_fail "exit status $E2E_EXIT_CODE"
}
# Types a weigh-in into the box, goes back the given number of days, and presses Enter.
weigh_in() {
    e2e_wait_for 5 focus_in "Weigh-in weight" || e2e_fail "the focus is in '$(focused)', not in the weigh-in box"
    e2e_type "$1"
    e2e_key Tab Tab # the unit, then the day
    local i
    for ((i = 0; i < $2; i++)); do xdotool key Down; done
    sleep 0.2
    e2e_key Return
    sleep 0.5
}
# The weigh-ins as the command line exports them from a journal.
exported() { XDG_DATA_HOME=$1 "$E2E_PROGRAM" --export-csv -; }
day() { date -d "-$1 days" +%F; }

e2e_open_typical_plan
main=$E2E_MAIN results=$E2E_RESULTS plan=$E2E_PLAN
e2e_key alt+f # Follow This Plan
progress=$(e2e_window "$PROGRESS_TITLE" 15) || e2e_fail "Follow This Plan opened no progress window"
expect "day 0 of 30 of your plan" "a plan followed today"
e2e_wait_for 5 focus_in "Weigh-in weight" || e2e_fail "the focus is not in the weigh-in box but in '$(focused)'"

# Four past days, each a weigh-in typed and its day stepped back by keyboard.
weigh_in 181.2 12
weigh_in 180.4 8
weigh_in 179.6 4
weigh_in 179 1
for weight in 181.20 180.40 179.60 179.00; do expect "$weight" "the weigh-ins typed"; done
e2e_screenshot "$progress" progress-window

# From the command line while the program runs: shown when the window comes back.
added=$("$E2E_PROGRAM" --add-weight 178.6lb) || e2e_fail "--add-weight failed while the program runs: $added"
e2e_log "--add-weight: $added"
e2e_activate "$results"
sleep 0.3
e2e_activate "$progress"
expect "178.60" "a weigh-in from the command line"

# Quit, and start again at the progress window: everything is still there.
e2e_key Escape
e2e_wait_for 5 sh -c "! xdotool search --onlyvisible --name '$PROGRESS_TITLE' >/dev/null" ||
    e2e_fail "Escape left the progress window open"
quit "$results"
e2e_start_program --progress
progress=$(e2e_window "$PROGRESS_TITLE" 15) || e2e_fail "--progress opened no progress window"
e2e_activate "$progress"
for figure in "day 0 of 30 of your plan" 181.20 180.40 179.60 179.00 178.60; do
    expect "$figure" "after a new start"
done

# Exported through the window, imported into a fresh journal: the same weigh-ins.
e2e_key alt+f && e2e_key e # File > Export Weigh-ins
dialog=$(e2e_window '^Export Weigh-ins$' 15) || e2e_fail "File > Export Weigh-ins showed no file dialog"
sleep 0.5
e2e_key ctrl+a BackSpace
e2e_type "$E2E_TMP/weigh-ins.csv"
e2e_key Return
e2e_wait_for 10 test -s "$E2E_TMP/weigh-ins.csv" || e2e_fail "nothing exported"
[[ $(wc -l <"$E2E_TMP/weigh-ins.csv") == 6 ]] || e2e_fail "the export holds: $(cat "$E2E_TMP/weigh-ins.csv")"
e2e_activate "$progress"
e2e_key Escape
quit "$(e2e_window "$TITLE")"

export XDG_DATA_HOME="$E2E_TMP/fresh"
e2e_start_program --progress
progress=$(e2e_window '^Your progress - ' 15) || e2e_fail "no progress window on a fresh journal"
e2e_activate "$progress"
expect "You follow no plan yet" "a fresh journal"
e2e_key ctrl+o
dialog=$(e2e_window '^Import Weigh-ins$' 15) || e2e_fail "Ctrl+O showed no file dialog"
sleep 0.5
e2e_key ctrl+a BackSpace
e2e_type "$E2E_TMP/weigh-ins.csv"
e2e_key Return
preview=$(e2e_window '^Import Weigh-ins - ' 15) || e2e_fail "no preview of the import"
expect "adds 5 weigh-ins and replaces 0" "the preview"
e2e_key Return # Import
e2e_wait_for 10 eval '[[ "$(exported "$E2E_TMP/fresh")" == "$(exported "$E2E_TMP/data")" ]]' ||
    e2e_fail "the imported weigh-ins differ: $(exported "$E2E_TMP/fresh") against $(exported "$E2E_TMP/data")"
expect "178.60" "the weigh-ins imported"
e2e_key Escape
quit "$(e2e_window "$TITLE")"
e2e_log "progress passed: $(exported "$E2E_TMP/data" | tr '\n' ' ')"
