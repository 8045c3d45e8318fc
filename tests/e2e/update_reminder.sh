#!/usr/bin/env bash
# The installed program's update reminder against a seeded settings file: fifteen
# days after the stored date it asks, and Yes hands the download page to the browser
# only once the file holds today; fourteen days after, it stays quiet and leaves the
# file as it was; a damaged value starts the count again from today without a word.
#
# Usage: update_reminder.sh BUILD_DIR PROGRAM_HOST
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/a11y.sh"
BUILD_DIR=$1
PROGRAM_HOST=$2
e2e_setup "$BUILD_DIR"
e2e_a11y_setup

MAIN_TITLE='^Veltro Weight Loss Calculator v1\.0$'
BOX_TITLE='^Veltro Weight Loss Calculator$'
TITLE='Veltro Weight Loss Calculator'
CONF="$XDG_CONFIG_HOME/veltro-weight-loss-calculator/veltro-weight-loss-calculator.conf"
DOWNLOAD_PAGE="http://$PROGRAM_HOST/download-veltro-free-weight-loss-calculator.html"
TODAY=$(date +%F)

# The stand-in browser hand-over also keeps the settings file as it is at that moment.
AT_OPEN="$E2E_TMP/conf-at-open"
cat >"$E2E_TMP/bin/xdg-open" <<STUB
#!/bin/sh
cp "$CONF" "$AT_OPEN" 2>/dev/null || echo missing >"$AT_OPEN"
printf '%s\n' "\$*" >>"$E2E_OPENED"
STUB

seed() {
    mkdir -p "$(dirname "$CONF")"
    printf '[Settings]\nDuration=%s\n' "$1" >"$CONF"
    cp "$CONF" "$E2E_TMP/seeded.conf"
    rm -f "$AT_OPEN"
    : >"$E2E_OPENED"
}

stop_program() {
    kill "$E2E_APP_PID"
    e2e_wait_exit "$E2E_APP_PID" 15 || e2e_fail "the program did not stop"
}

# Starts the program, which is expected to go straight to its main window.
start_quietly() {
    e2e_start_program
    e2e_window "$MAIN_TITLE" 30 >/dev/null || e2e_fail "no main window"
    if xdotool search --onlyvisible --name "$BOX_TITLE" >/dev/null 2>&1; then
        e2e_fail "a message box came up"
    fi
}

# --- Fifteen days after the stored date: the message, then Yes ---------------------
seed "$(date -d '15 days ago' +%F)"
e2e_start_program
box=$(e2e_window "$BOX_TITLE" 30) || e2e_fail "no reminder fifteen days after the stored date"
shown=$(e2e_message_boxes 1 15) || e2e_fail "the reminder cannot be read"
expected="$E2E_APP_PID"$'\t'"$TITLE"$'\t''"There maybe an update to this software available\nDo you want to check for an update?"'$'\t''Yes|No'
[[ "$shown" == "$expected" ]] || e2e_fail "the reminder reads: $shown"
if xdotool search --onlyvisible --name "$MAIN_TITLE" >/dev/null 2>&1; then
    e2e_fail "the main window came up before the reminder was answered"
fi
e2e_screenshot "$box" update-reminder
cmp -s "$CONF" "$E2E_TMP/seeded.conf" || e2e_fail "the file changed before the answer"

xdotool windowactivate --sync "$box"
e2e_key y
e2e_wait_for 15 test -s "$E2E_OPENED" || e2e_fail "Yes opened no page"
[[ $(cat "$E2E_OPENED") == "$DOWNLOAD_PAGE" ]] || e2e_fail "Yes opened: $(cat "$E2E_OPENED")"
grep -qx "Duration=$TODAY" "$AT_OPEN" || e2e_fail "the page opened before the file held today: $(cat "$AT_OPEN")"
e2e_window "$MAIN_TITLE" 30 >/dev/null || e2e_fail "no main window after the reminder"
stop_program
e2e_log "15 days: message, Yes stored $TODAY and then opened $DOWNLOAD_PAGE"

# --- Fourteen days after: quiet, and the file stays byte for byte ------------------
seed "$(date -d '14 days ago' +%F)"
start_quietly
stop_program
cmp -s "$CONF" "$E2E_TMP/seeded.conf" || e2e_fail "the quiet start changed the file: $(cat "$CONF")"
[[ ! -s "$E2E_OPENED" ]] || e2e_fail "the quiet start opened a page"
e2e_log "14 days: no message, file unchanged"

# --- A damaged value: quiet, and the count starts again from today ---------------
seed "3rd of Smarch"
start_quietly
stop_program
grep -qx "Duration=$TODAY" "$CONF" || e2e_fail "the damaged value was not replaced by today: $(cat "$CONF")"
[[ ! -s "$E2E_OPENED" ]] || e2e_fail "the damaged value opened a page"
e2e_log "damaged value: no message, file now holds $TODAY"
e2e_log "PASS"
