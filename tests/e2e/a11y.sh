#!/usr/bin/env bash
# Lets a test read the message boxes on screen as a screen reader does: a private
# session bus for the accessibility bridge, which the program is then told to use.
# Source after lib.sh and call e2e_a11y_setup after e2e_setup.

E2E_A11Y_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

e2e_a11y_setup() {
    command -v dbus-daemon >/dev/null || e2e_fail "dbus-daemon is missing"
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || e2e_fail "python3-pyatspi is missing"
    local address="$E2E_TMP/session-bus"
    dbus-daemon --session --nofork --print-address=1 >"$address" 2>"$E2E_TMP/session-bus.log" &
    E2E_PIDS+=($!)
    e2e_wait_for 10 test -s "$address" || e2e_fail "no session bus"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$address")
    export DBUS_SESSION_BUS_ADDRESS
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# Prints each message box on screen as: process id, tab, title, tab, text as a JSON
# string. Arguments: the least number of boxes to wait for, and for how many seconds.
e2e_message_boxes() {
    /usr/bin/python3 "$E2E_A11Y_DIR/message_boxes.py" "$@"
}
