#!/usr/bin/env bash
# Lets a test read the windows and message boxes on screen as a screen reader does,
# over the private session bus that e2e_setup starts. Source after lib.sh and call
# e2e_a11y_setup after e2e_setup.

E2E_A11Y_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

e2e_a11y_setup() {
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || e2e_fail "python3-pyatspi is missing"
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# Prints each message box on screen as: process id, tab, title, tab, text as a JSON
# string. Arguments: the least number of boxes to wait for, and for how many seconds.
e2e_message_boxes() {
    /usr/bin/python3 "$E2E_A11Y_DIR/message_boxes.py" "$@"
}

# Waits for one message box with the given text and closes it with Return; the second
# argument says what the test was doing, for the failure's message.
e2e_answer_message() {
    local shown
    shown=$(e2e_message_boxes 1 10) || e2e_fail "$2: no message box"
    [[ "$(cut -f3 <<<"$shown")" == "\"$1\"" ]] || e2e_fail "$2: the message box reads $shown"
    e2e_key Return
    sleep 0.3
    (($(e2e_message_boxes 0 0 | wc -l) == 0)) || e2e_fail "$2: the message box stays open"
}
