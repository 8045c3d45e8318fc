#!/usr/bin/env bash
# Where the focus goes, and what leaving a box does, on a real desktop: the installed
# program driven with real keys and clicks under a window manager (openbox, fluxbox)
# or none at all. A move of the focus to another control converts a weight box or
# clears a placeholder even while the window is not active (right after a message
# box, or when the click lands in a window of a program not in front); the window
# gets the activation back after a message box; Calculate Again returns the focus
# to where the user left it; a second start's message shows above the exit screen.
#
# Usage: focus.sh BUILD_DIR openbox|fluxbox|none
here=$(cd "$(dirname "$0")" && pwd)
export E2E_WM=$2
source "$here/lib.sh"
source "$here/a11y.sh"
e2e_setup "$1"
e2e_a11y_setup

MAIN_TITLE='^Veltro Weight Loss Calculator v1\.0$'
APP=veltro-weight-loss-calculator

a11y() { /usr/bin/python3 "$here/a11y.py" "$APP" "$@"; }
# The text of the box with the given accessible name.
text_of() { a11y | awk -F'\t' -v name="$1" '$1 == "text" && $2 == name { print $3; exit }'; }
focused() { a11y --focused | cut -f2; }
click() {
    local where
    where=$(a11y --where "$1") || e2e_fail "nothing named $1 on the screen"
    # shellcheck disable=SC2086
    xdotool mousemove $where click 1
    sleep 0.3
}
text_is() { [[ "$(text_of "$1")" == "$2" ]]; }
focus_is() { [[ "$(focused)" == "$1" ]]; }
expect_text() {
    e2e_wait_for 5 text_is "$1" "$2" || e2e_fail "$3: the box '$1' holds '$(text_of "$1")', not '$2'"
}
expect_focus() {
    e2e_wait_for 5 focus_is "$1" || e2e_fail "$2: the focus is in '$(focused)', not in '$1'"
}
calculate_from_menu() { e2e_key alt+f && e2e_key Return && sleep 0.3; }
# The whole reading first: grep -q leaves early, and a reader cut off fails the pipe.
results_shown() { a11y >"$E2E_TMP/read.txt" && grep -q '^push button	Calculate Again' "$E2E_TMP/read.txt"; }
select_all_and_type() { e2e_key End shift+Home && e2e_type "$1"; }

e2e_start_program
main=$(e2e_window "$MAIN_TITLE") || e2e_fail "main window did not appear"
expect_focus Name "at start"

case "$E2E_WM" in
openbox)
    # Case 3: the name missing, pounds just typed. The message's move of the focus to
    # the name box leaves the pound box, which converts although the window is not
    # active at that moment.
    click "Weight to lose in pounds"
    e2e_type 10
    e2e_key Tab
    expect_text "Weight to lose in kilograms" 4.5 "leaving the loss pounds by Tab"
    click "Weight in pounds"
    e2e_type 180
    calculate_from_menu
    e2e_answer_message "Please Enter Your Name" "calculating without a name"
    expect_focus Name "after the name's message"
    expect_text "Weight in kilograms" 81.5 "after the name's message"
    e2e_type ann

    # Case 1: the kilograms deleted, pounds typed anew, File > Calculate: the message
    # moves the focus into the kilogram box, which that move fills; a second
    # Calculate passes.
    click "Weight in kilograms"
    e2e_key End BackSpace BackSpace BackSpace BackSpace
    e2e_key Tab
    expect_text "Weight in pounds" "" "leaving the emptied kilogram box"
    click "Weight in pounds"
    e2e_type 180
    calculate_from_menu
    e2e_answer_message "Please Enter Your Weight" "pounds typed, kilograms empty"
    expect_focus "Weight in kilograms" "after the weight's message"
    expect_text "Weight in kilograms" 81.5 "after the weight's message"
    calculate_from_menu
    e2e_wait_for 10 results_shown || e2e_fail "the second Calculate did not show the results"

    # Case 7: Calculate Again returns the focus to the box it was in, not the next one.
    e2e_key alt+f && e2e_key Return # File > Calculate Again
    e2e_wait_for 10 e2e_window "$MAIN_TITLE" 1 >/dev/null
    expect_focus "Weight in kilograms" "after Calculate Again"
    # Pounds changed without leaving the box, File > Calculate, Calculate Again: the
    # figure typed next still lands in the pound box, and Tab then converts it.
    click "Weight in pounds"
    select_all_and_type 200
    calculate_from_menu
    e2e_wait_for 10 results_shown || e2e_fail "Calculate with 200 pounds did not show the results"
    e2e_key alt+f && e2e_key Return
    expect_focus "Weight in pounds" "after the second Calculate Again"
    e2e_type 5
    e2e_key Tab
    expect_text "Weight in pounds" 2005 "typing after Calculate Again"
    expect_text "Weight in kilograms" 908.3 "leaving the pound box after Calculate Again"

    # Case 2 and the trap of case 4: kilograms typed, pounds empty. The message moves
    # the focus to the pound box, which the kilograms fill; tabbing back and forth
    # then rewrites nothing, and Calculate passes.
    e2e_key End shift+Home BackSpace shift+Tab
    expect_text "Weight in pounds" "" "leaving the emptied kilogram box"
    click "Weight in kilograms"
    e2e_type 70
    calculate_from_menu
    e2e_answer_message "Please Enter Your Weight" "kilograms typed, pounds empty"
    expect_focus "Weight in pounds" "after the message for the empty pound box"
    expect_text "Weight in pounds" 154 "after the message for the empty pound box"
    e2e_key Tab shift+Tab Tab
    expect_text "Weight in pounds" 154 "tabbing through the pair"
    expect_text "Weight in kilograms" 70 "tabbing through the pair"
    calculate_from_menu
    e2e_wait_for 10 results_shown || e2e_fail "Calculate after the kilograms did not show the results"

    # Case 8: a second start while the first shows its exit screen. Its message
    # comes up above the exit screen, which stays on top of everything else.
    e2e_key alt+F4
    exit_screen=$(e2e_window "$MAIN_TITLE" 10) || e2e_fail "no exit screen"
    "$E2E_PROGRAM" >>"$E2E_TMP/program-second.log" 2>&1 &
    second=$!
    E2E_PIDS+=("$second")
    box=$(e2e_window '^Veltro Weight Loss Calculator$' 30) || e2e_fail "the second start shows no message"
    sleep 0.5
    top=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*, //')
    [[ $((top)) == $((box)) ]] || e2e_fail "the second start's message is not on top (top: $top, box: $box)"
    e2e_screenshot root second-start-above-exit-screen
    xdotool windowactivate --sync "$box"
    e2e_key Return
    e2e_wait_exit "$second" || e2e_fail "the second start did not end"
    code=$E2E_EXIT_CODE
    [[ "$code" == 0 ]] || e2e_fail "the second start ended with $code"
    xdotool windowactivate --sync "$exit_screen"
    ;;

fluxbox | none)
    # Another program in front of ours (the browser that a link opened, say): a click
    # straight into a box of our window, which is not active, still leaves the box
    # that had the focus.
    xmessage -geometry +900+700 "another program" >>"$E2E_TMP/other.log" 2>&1 &
    E2E_PIDS+=($!)
    other=$(e2e_window '^xmessage$' 10) || e2e_fail "the other program did not appear"
    in_front_of_us() {
        if [[ "$E2E_WM" == none ]]; then
            xdotool windowfocus --sync "$other"
        else
            xdotool windowactivate --sync "$other"
        fi
        sleep 0.3
        ! a11y --focused >/dev/null || e2e_fail "our window is still active"
    }
    e2e_type ann
    click "Weight in pounds"
    e2e_type 180
    in_front_of_us
    click Name
    expect_text "Weight in kilograms" 81.5 "a click into the name box of a window not in front"
    expect_focus Name "a click into the name box of a window not in front"

    if [[ "$E2E_WM" == none ]]; then
        # Case 5 and case 1 without a window manager: after a message box the window
        # is active again, so keys reach it.
        click "Weight to lose in pounds"
        e2e_type 10
        calculate_from_menu
        e2e_answer_message "Please Enter Weight Do You Wish To Lose" "loss pounds typed, loss kilograms empty"
        expect_focus "Weight to lose in kilograms" "after the message without a window manager"
        expect_text "Weight to lose in kilograms" 4.5 "after the message without a window manager"
        calculate_from_menu
        e2e_wait_for 10 results_shown || e2e_fail "File > Calculate after a message box did nothing"
        e2e_key alt+f && e2e_key x # File > Exit
    else
        e2e_key alt+x
    fi
    exit_screen=$(e2e_window "$MAIN_TITLE" 10) || e2e_fail "no exit screen"
    expect_focus Exit "the exit screen as it opens"

    # The exit screen, not in front: a click straight into a box clears its placeholder.
    in_front_of_us
    click "Your name"
    expect_text "Your name" "" "a click into the name box of the exit screen not in front"
    e2e_type bob
    in_front_of_us
    click "Your email address"
    expect_text "Your email address" "" "a click into the e-mail box of the exit screen not in front"
    expect_text "Your name" bob "leaving the name box"
    ;;
*)
    e2e_fail "unknown window manager $E2E_WM"
    ;;
esac

e2e_key alt+x
e2e_wait_exit "$E2E_APP_PID" || e2e_fail "Alt+X did not close the exit screen"
code=$E2E_EXIT_CODE
[[ "$code" == 0 ]] || e2e_fail "exit code $code"
e2e_log "focus under $E2E_WM passed"
