#!/usr/bin/env bash
# The typical run of a user, on the installed program in a real X server: fill in
# the details by keyboard, calculate, read the results through the accessibility
# bus, close the results window and the exit screen, and see the program end with 0.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
source "$here/a11y.sh"
e2e_setup "$1"
e2e_a11y_setup
a11y() { /usr/bin/python3 "$here/a11y.py" veltro-weight-loss-calculator; }

e2e_start_program
main=$(e2e_window '^Veltro Weight Loss Calculator v1.0$') || e2e_fail "main window did not appear"
xdotool windowactivate --sync "$main"
sleep 0.5

# An emoji through the real keyboard path is one refused character: one message,
# nothing typed.
e2e_type $'\U0001F600'
e2e_answer_message "Please Enter Only Alphabet" "an emoji in the name box"
grep -qP '^text\tName\t$' <<<"$(a11y)" || e2e_fail "the name box is not empty: $(a11y | grep -P '^text\tName')"

e2e_enter_typical_run
sleep 0.3
details=$(a11y)
grep -qP '^text\tWeight in kilograms\t81\.5$' <<<"$details" || e2e_fail "kilogram box is not 81.5: $(grep -P '^text' <<<"$details")"
grep -qP '^text\tName\tJOHN$' <<<"$details" || e2e_fail "name is not JOHN"
e2e_screenshot "$main" main-window

# File > Calculate (the first entry of the File menu).
e2e_key alt+f
e2e_key Return
sleep 0.5
results=$(e2e_window '^Veltro Weight Loss Calculator v1.0$') || e2e_fail "results window did not appear"
shown=$(a11y)
grep -qF 'To maintain your current weight your daily intake of calories should be 2943 calories' <<<"$shown" ||
    e2e_fail "maintenance figure not shown: $shown"
grep -qF 'To reach your goal, your daily intake of calories should be 1788 calories' <<<"$shown" ||
    e2e_fail "goal figure not shown"
grep -qF '5 Feet 10 Inch' <<<"$shown" || e2e_fail "height not shown"
grep -qF 'Moderately Active (Some walking, garage work, house cleaning, child care)' <<<"$shown" ||
    e2e_fail "activity not shown"
e2e_screenshot "$results" results-window

# The results window's close box (openbox closes the active window on Alt+F4).
xdotool windowactivate --sync "$results"
e2e_key alt+F4
sleep 0.5
exit_screen=$(e2e_window '^Veltro Weight Loss Calculator v1.0$') || e2e_fail "exit screen did not appear"
[[ "$exit_screen" != "$results" ]] || e2e_fail "results window still shown"
kill -0 "$E2E_APP_PID" || e2e_fail "the program ended before its exit screen was closed"
e2e_screenshot "$exit_screen" exit-screen
xdotool windowactivate --sync "$exit_screen"
e2e_key alt+x
e2e_wait_exit "$E2E_APP_PID" || e2e_fail "the program did not end"
code=$E2E_EXIT_CODE
[[ "$code" == 0 ]] || e2e_fail "exit code $code"

# A second run: Alt+X on the main window presses its hidden Exit button.
e2e_start_program
main=$(e2e_window '^Veltro Weight Loss Calculator v1.0$') || e2e_fail "main window did not appear again"
xdotool windowactivate --sync "$main"
e2e_key alt+x
sleep 0.5
exit_screen=$(e2e_window '^Veltro Weight Loss Calculator v1.0$') || e2e_fail "no exit screen after Alt+X"
[[ "$exit_screen" != "$main" ]] || e2e_fail "Alt+X left the main window on view"
xdotool windowactivate --sync "$exit_screen"
e2e_key alt+F4
e2e_wait_exit "$E2E_APP_PID" || e2e_fail "the program did not end after its exit screen closed"
code=$E2E_EXIT_CODE
[[ "$code" == 0 ]] || e2e_fail "exit code $code"
e2e_log "typical run passed"
