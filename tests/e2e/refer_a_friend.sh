#!/usr/bin/env bash
# Refer a friend on the installed program in a real X server: the program is built
# with its forum on the loopback address, the browser hand-over fetches the address
# with curl, and the stand-in script must receive exactly the typed texts.
#
# Usage: refer_a_friend.sh BUILD_DIR BUILT_FORUM_PORT
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
e2e_setup "$1"
built_port=$2

cmake --install "$1" --prefix "$E2E_TMP/prefix" --component e2e_loopback >/dev/null
E2E_PROGRAM="$E2E_TMP/prefix/bin/veltro-loopback-calculator"
[[ -x "$E2E_PROGRAM" ]] || e2e_fail "loopback program not installed"

# The script's stand-in takes whatever port is free; curl is pointed at it while
# the address keeps the host and port the program was built with.
requests="$E2E_TMP/requests.jsonl"
: >"$requests"
/usr/bin/python3 "$here/referral_server.py" "$E2E_TMP/port" "$requests" &
E2E_PIDS+=($!)
e2e_wait_for 10 test -s "$E2E_TMP/port" || e2e_fail "the script's stand-in did not start"
port=$(cat "$E2E_TMP/port")

cat >"$E2E_TMP/bin/xdg-open" <<STUB
#!/bin/sh
printf '%s\n' "\$*" >>"$E2E_OPENED"
exec curl --silent --globoff --max-time 10 --output /dev/null \
    --connect-to "127.0.0.1:$built_port:127.0.0.1:$port" "\$1"
STUB
chmod +x "$E2E_TMP/bin/xdg-open"

e2e_start_program
main=$(e2e_window '^Veltro Weight Loss Calculator v1.0$') || e2e_fail "main window did not appear"
xdotool windowactivate --sync "$main"
sleep 0.3
e2e_key alt+x # the main window's hidden Exit button
sleep 0.5
screen=$(e2e_window '^Veltro Weight Loss Calculator v1.0$') || e2e_fail "exit screen did not appear"
[[ "$screen" != "$main" ]] || e2e_fail "the main window is still on view"
xdotool windowactivate --sync "$screen"
sleep 0.3
e2e_screenshot "$screen" exit-screen-refer-a-friend

name='Zoë & Ann=1+1 #2'
email='ann+tag@example.org'
friend_email='bob.o@example.net'
friend_name="Bob O'Neil"
line1='Hi Bob, try this: a=b&c #1'
line2='50% off? / yes'

e2e_key Tab                   # Check1
e2e_key Tab                   # txtName, its placeholder cleared
e2e_type "$name"
e2e_key Tab                   # cmdSubmit
e2e_key Tab && e2e_type "${email%@*}"
# A typed space is refused with a message box over the exit screen; the focus stays.
e2e_key space
box=$(e2e_window '^Veltro Weight Loss Calculator$' 5) || e2e_fail "no message box for a space in the address"
e2e_screenshot "$box" exit-screen-space-refused
e2e_key Return
sleep 0.3
e2e_type "@${email#*@}"
e2e_key Tab && e2e_type "$friend_email"
e2e_key Tab && e2e_type "$friend_name"
e2e_key Tab                   # the hidden message box
e2e_key ctrl+a
e2e_type "$line1"
e2e_key Return
e2e_type "$line2"
e2e_screenshot "$screen" exit-screen-filled
e2e_key alt+n

e2e_wait_for 15 test -s "$requests" || e2e_fail "the script received nothing; opened: $(cat "$E2E_OPENED")"
sleep 1 # a second request would have arrived by now

NAME=$name EMAIL=$email MESSAGE="$line1"$'\r\n'"$line2" FRIEND_NAME=$friend_name FRIEND_EMAIL=$friend_email \
    HOST="127.0.0.1:$built_port" /usr/bin/python3 - "$requests" <<'PY' || e2e_fail "the script did not receive the typed texts"
import json, os, sys
from urllib.parse import parse_qsl

requests = [json.loads(line) for line in open(sys.argv[1], encoding="utf-8")]
assert len(requests) == 1, f"{len(requests)} requests: {requests}"
r = requests[0]
assert r["path"] == "/vexo-refer-a-friend.php", r["path"]
assert r["host"] == os.environ["HOST"], r["host"]
received = parse_qsl(r["query"], keep_blank_values=True, strict_parsing=True)
env = os.environ
expected = [("taf1", env["NAME"]), ("taf2", env["EMAIL"]), ("taf3", env["MESSAGE"]), ("taf4", env["FRIEND_NAME"]),
            ("taf5", env["FRIEND_EMAIL"]), ("taf6", "http://veltro.loopback.example/")]
if received != expected:
    sys.exit(f"received: {received}\nexpected: {expected}")
PY
[[ $(wc -l <"$E2E_OPENED") == 1 ]] || e2e_fail "opened more than once: $(cat "$E2E_OPENED")"

e2e_key alt+x
e2e_wait_exit "$E2E_APP_PID" || e2e_fail "the program did not end"
code=$E2E_EXIT_CODE
[[ "$code" == 0 ]] || e2e_fail "exit code $code"
e2e_log "refer a friend passed"
