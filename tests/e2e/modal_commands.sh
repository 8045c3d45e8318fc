#!/usr/bin/env bash
# Commands pressed behind a modal dialog. A screen reader, switch access or voice
# control presses a button through the accessibility bus, which a modal dialog does
# not stop. Each dialog and message box of the program is opened in turn, and the
# commands that would take away the window under it are pressed that way: the
# program neither crashes nor acts on them, the dialog stays, and what it was for
# still works afterwards (the PDF is saved, the import goes through).
#
# Usage: modal_commands.sh BUILD_DIR
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
source "$here/a11y.sh"
e2e_setup "$1"
e2e_a11y_setup

APP=veltro-weight-loss-calculator
TITLE='^Veltro Weight Loss Calculator v1.0$'
PLAN_TITLE='^Weight loss plan for JOHN'
shown() { [[ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]]; }
on_screen() { xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1"; }
# The window with the title that came up beside the one given.
new_window() {
    local id
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -vx "$2" | tail -n 1 || true)
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.2
    done
    return 1
}

# Presses each named control (name:role) while the dialog window $1 is open; $2 says
# which dialog, for the failure's message.
press_behind() {
    local dialog=$1 what=$2 control
    shift 2
    for control in "$@"; do
        /usr/bin/python3 "$here/a11y.py" "$APP" --press "${control%%:*}" "${control#*:}" ||
            e2e_fail "$what: could not press ${control%%:*}"
        sleep 0.7
        kill -0 "$E2E_APP_PID" 2>/dev/null || e2e_fail "$what: the program ended when ${control%%:*} was pressed"
        on_screen "$dialog" || e2e_fail "$what: the dialog went when ${control%%:*} was pressed"
    done
    e2e_log "$what: refused $# commands"
}
# The plan window and the results window are still there.
both_there() {
    shown "$PLAN_TITLE" || e2e_fail "$1: the plan window went"
    (($(xdotool search --onlyvisible --name "$TITLE" 2>/dev/null | wc -l) >= 1)) || e2e_fail "$1: the results went"
}

BEHIND_PLAN=("Calculate Again:push button" "Calculate Again:menu item" "Exit:menu item" "Close:push button"
    "See Your Plan:push button" "About Software:menu item" "Copy:push button")

e2e_open_typical_plan
main=$E2E_MAIN results=$E2E_RESULTS plan=$E2E_PLAN

# The plan's file dialog: after the refused commands, it still saves.
mkdir -p "$E2E_TMP/out"
e2e_activate "$plan"
e2e_key ctrl+s
dialog=$(e2e_window '^Save Your Plan as PDF$' 15) || e2e_fail "no file dialog"
sleep 0.5
press_behind "$dialog" "the plan's file dialog" "${BEHIND_PLAN[@]}"
both_there "the plan's file dialog"
e2e_activate "$dialog"
e2e_key ctrl+a BackSpace
e2e_type "$E2E_TMP/out/plan.pdf"
e2e_key Return
e2e_wait_for 15 test -s "$E2E_TMP/out/plan.pdf" || e2e_fail "the file dialog saved nothing after the refused commands"

# The plan's print dialog.
e2e_activate "$plan"
e2e_key ctrl+p
dialog=$(e2e_window '^Print Your Plan$' 15) || e2e_fail "no print dialog"
sleep 0.5
press_behind "$dialog" "the plan's print dialog" "${BEHIND_PLAN[@]}"
both_there "the plan's print dialog"
e2e_activate "$dialog"
e2e_key Escape
sleep 0.5

# The file dialog of the results window's File menu, with the plan window closed.
e2e_activate "$plan"
e2e_key Escape
sleep 0.5
! shown "$PLAN_TITLE" || e2e_fail "Escape left the plan open"
e2e_activate "$results"
e2e_key ctrl+s
dialog=$(e2e_window '^Save Your Plan as PDF$' 15) || e2e_fail "no file dialog from the results"
sleep 0.5
press_behind "$dialog" "the results' file dialog" "Calculate Again:push button" "Exit:menu item" \
    "See Your Plan:push button"
e2e_activate "$dialog"
e2e_key Escape
sleep 0.5

# The progress window's file dialog, and the preview of an import.
e2e_activate "$results"
e2e_key alt+f && e2e_key r # File > Your Progress
progress=$(e2e_window '^Your progress' 15) || e2e_fail "no progress window"
printf 'date,weight_kg\n2026-01-05,80\n' >"$E2E_TMP/weigh-ins.csv"
e2e_activate "$progress"
e2e_key ctrl+o
dialog=$(e2e_window '^Import Weigh-ins$' 15) || e2e_fail "no file dialog from the progress window"
sleep 0.5
press_behind "$dialog" "the import's file dialog" "Close:menu item" "Export Weigh-ins...:menu item" \
    "Calculate Again:push button"
e2e_activate "$dialog"
e2e_key ctrl+a BackSpace
e2e_type "$E2E_TMP/weigh-ins.csv"
e2e_key Return
dialog=$(e2e_window '^Import Weigh-ins - ' 15) || e2e_fail "no preview of the import"
press_behind "$dialog" "the import's preview" "Close:menu item" "Undo:menu item" "Calculate Again:push button"
e2e_activate "$dialog"
e2e_key Return
e2e_wait_for 10 eval '[[ "$(XDG_DATA_HOME=$XDG_DATA_HOME "$E2E_PROGRAM" --export-csv - | wc -l)" == 2 ]]' ||
    e2e_fail "the import did not go through after the refused commands"
e2e_activate "$progress"
e2e_key Escape
sleep 0.5

# The about box over the results.
e2e_activate "$results"
e2e_key alt+h && e2e_key a
dialog=$(new_window "$TITLE" "$results") || e2e_fail "no about box"
sleep 0.5
press_behind "$dialog" "the about box" "Calculate Again:push button" "Exit:menu item" "About Software:menu item"
e2e_activate "$dialog"
e2e_key Escape
sleep 0.5

# A key filter's message over the main window.
e2e_activate "$results"
e2e_key alt+f && e2e_key Return # Calculate Again
main=$(e2e_window "$TITLE") || e2e_fail "no main window after Calculate Again"
e2e_activate "$main"
sleep 0.5
where=$(/usr/bin/python3 "$here/a11y.py" "$APP" --where Name) || e2e_fail "no name box"
# shellcheck disable=SC2086
xdotool mousemove $where click 1
sleep 0.3
e2e_key End
e2e_type 7
dialog=$(e2e_window '^Veltro Weight Loss Calculator$') || e2e_fail "no message for a digit in the name"
press_behind "$dialog" "the name box's message" "Calculate:push button" "Exit:menu item" \
    "Exit:push button"
e2e_key Return
sleep 0.3

# The refer-a-friend check's message over the exit screen.
e2e_activate "$main"
e2e_key alt+x
exit_screen=$(e2e_window "$TITLE") || e2e_fail "no exit screen"
e2e_activate "$exit_screen"
sleep 0.3
/usr/bin/python3 "$here/a11y.py" "$APP" --press "Refer A Friend Now" "push button" || e2e_fail "no Refer A Friend Now"
dialog=$(e2e_window '^Veltro Weight Loss Calculator$') || e2e_fail "no message for an empty referral"
press_behind "$dialog" "the referral's message" "Exit:push button"
e2e_key Return
sleep 0.3

# Once the dialogs are gone, the commands work again.
e2e_activate "$exit_screen"
/usr/bin/python3 "$here/a11y.py" "$APP" --press "Exit" "push button"
e2e_wait_exit "$E2E_APP_PID" || e2e_fail "the program did not end"
[[ "$E2E_EXIT_CODE" == 0 ]] || e2e_fail "exit status $E2E_EXIT_CODE"
e2e_log "modal commands passed"
