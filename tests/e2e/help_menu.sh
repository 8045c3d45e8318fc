#!/usr/bin/env bash
# Pages reach the desktop for real: Help > Check for Software Update in the installed
# program hands the download page to xdg-open (a stand-in that records it). Help >
# About Software shows the about box, which Escape closes.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
e2e_setup "$1"

e2e_start_program
main=$(e2e_window '^Veltro Weight Loss Calculator v1.0$') || e2e_fail "main window did not appear"
xdotool windowactivate --sync "$main"
sleep 0.3

e2e_key alt+h
e2e_key c
e2e_wait_for 10 grep -q . "$E2E_OPENED" || e2e_fail "nothing reached xdg-open"
program_host=$(grep -E '^VELTRO_PROGRAM_HOST:' "$1/CMakeCache.txt" | cut -d= -f2-)
expected="http://$program_host/download-veltro-free-weight-loss-calculator.html"
[[ "$(cat "$E2E_OPENED")" == "$expected" ]] || e2e_fail "xdg-open got '$(cat "$E2E_OPENED")', not $expected"

e2e_key alt+h
e2e_key a
about=$(e2e_window '^Veltro Weight Loss Calculator v1.0$') || e2e_fail "about box did not appear"
[[ "$about" != "$main" ]] || e2e_fail "about box did not appear"
e2e_screenshot "$about" about-box
e2e_key Escape
sleep 0.5
xdotool search --onlyvisible --name '^Veltro Weight Loss Calculator v1.0$' | grep -qx "$about" && e2e_fail "Escape left the about box open"
kill -0 "$E2E_APP_PID" || e2e_fail "closing the about box ended the program"
[[ $(wc -l <"$E2E_OPENED") == 1 ]] || e2e_fail "unexpected pages opened: $(cat "$E2E_OPENED")"
e2e_log "help menu passed"
