#!/usr/bin/env bash
# Shared set-up for the tests that run the installed program in a real X server:
# a private Xvfb with a window manager (openbox, or $E2E_WM: fluxbox, icewm or none),
# a private session bus as a desktop session has, private settings and runtime
# folders, and a stand-in xdg-open that records the addresses handed to it.
#
# Usage from a test script:  source lib.sh; e2e_setup BUILD_DIR; ... ; (cleanup runs on exit)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/x-session.sh"

E2E_PIDS=()

e2e_log() { printf '[%s] %s\n' "$(date +%H:%M:%S)" "$*" >&2; }

# The last lines of every log the test keeps: the program's own output, the X
# server's, the window manager's and the session bus's.
e2e_show_logs() {
    local log
    for log in "${E2E_TMP:-/nonexistent}"/*.log; do
        [[ -s "$log" ]] || continue
        printf -- '--- last lines of %s:\n' "$(basename "$log")" >&2
        tail -n 15 "$log" >&2
    done
}

e2e_fail() {
    e2e_log "FAIL: $*"
    e2e_show_logs
    E2E_LOGS_SHOWN=1
    exit 1
}

e2e_cleanup() {
    local status=$? pid
    # A command that failed on its own, outside e2e_fail.
    if ((status != 0)) && [[ -z "${E2E_LOGS_SHOWN:-}" ]]; then
        e2e_log "FAIL: exit status $status"
        e2e_show_logs
    fi
    for pid in "${E2E_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    if [[ -n "${E2E_TMP:-}" && -z "${E2E_KEEP:-}" ]]; then
        rm -rf "$E2E_TMP"
    fi
}

# Waits until a command succeeds, for at most $1 seconds.
e2e_wait_for() { xs_wait "$@"; }

e2e_setup() {
    local build_dir=$1
    for tool in Xvfb "${E2E_WM:-openbox}" xdotool xprop import dbus-daemon; do
        [[ "$tool" == none ]] && continue
        command -v "$tool" >/dev/null || e2e_fail "$tool is missing (the README's test command installs it)"
    done
    E2E_TMP=$(mktemp -d /tmp/veltro-e2e.XXXXXX)
    trap e2e_cleanup EXIT
    E2E_ARTIFACTS=${E2E_ARTIFACTS:-$build_dir/artifacts}
    mkdir -p "$E2E_ARTIFACTS"

    # The installed program, as a user gets it.
    cmake --install "$build_dir" --prefix "$E2E_TMP/prefix" >/dev/null
    E2E_PROGRAM="$E2E_TMP/prefix/bin/veltro-weight-loss-calculator"
    [[ -x "$E2E_PROGRAM" ]] || e2e_fail "installed program not found at $E2E_PROGRAM"

    # The settings and the journal of weigh-ins of this test alone, never the user's.
    export XDG_CONFIG_HOME="$E2E_TMP/config"
    export XDG_DATA_HOME="$E2E_TMP/data"
    export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM
    export LC_ALL=C.UTF-8

    # A stand-in browser hand-over that records each address on a line of its own.
    E2E_OPENED="$E2E_TMP/opened.log"
    : >"$E2E_OPENED"
    mkdir -p "$E2E_TMP/bin"
    cat >"$E2E_TMP/bin/xdg-open" <<STUB
#!/bin/sh
printf '%s\n' "\$*" >>"$E2E_OPENED"
STUB
    chmod +x "$E2E_TMP/bin/xdg-open"
    export PATH="$E2E_TMP/bin:$PATH"
    # Treat the desktop as a plain X session, so Qt hands pages to xdg-open.
    unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID

    # A session bus of its own, as a desktop session has: without one the toolkit's
    # accessibility and desktop services fail to connect, whatever the machine has.
    local address="$E2E_TMP/session-bus.address"
    dbus-daemon --session --nofork --print-address=1 >"$address" 2>"$E2E_TMP/session-bus.log" &
    E2E_PIDS+=($!)
    e2e_wait_for 10 test -s "$address" || e2e_fail "no session bus"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$address")
    export DBUS_SESSION_BUS_ADDRESS

    xs_start_xvfb "$E2E_TMP/xvfb.log" "${E2E_SCREEN:-1280x1024x24}" "${E2E_DPI:-96}" || e2e_fail "could not start Xvfb"
    E2E_PIDS+=("$XS_XVFB_PID")
    # Without a window manager no window becomes active by itself; the tests that
    # prove the program copes with that ask for none.
    E2E_WM=${E2E_WM:-openbox}
    XS_WM_HOME="$E2E_TMP/home"
    mkdir -p "$XS_WM_HOME"
    xs_start_wm "$E2E_WM" "$E2E_TMP/wm.log" || e2e_fail "could not start $E2E_WM"
    if [[ -n "$XS_WM_PID" ]]; then E2E_PIDS+=("$XS_WM_PID"); fi
    e2e_log "X server $DISPLAY with window manager $E2E_WM ready, program $E2E_PROGRAM"
}

# Starts the program in the background; its pid goes to E2E_APP_PID.
e2e_start_program() {
    "$E2E_PROGRAM" "$@" >>"$E2E_TMP/program.log" 2>&1 &
    E2E_APP_PID=$!
    E2E_PIDS+=("$E2E_APP_PID")
}

# Prints the id of the visible window whose title matches, waiting up to $2 seconds.
e2e_window() {
    local name=$1 seconds=${2:-15} id
    local deadline=$((SECONDS + seconds))
    while ((SECONDS < deadline)); do
        id=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | tail -n 1 || true)
        if [[ -n "$id" ]]; then
            printf '%s\n' "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Waits until a process started by the test has ended, and puts its exit status in
# E2E_EXIT_CODE. Not in a $(...): only the shell that started the process can wait
# for it, and a process still ending when the subshell forked is lost to it.
e2e_wait_exit() {
    local pid=$1 seconds=${2:-15}
    local deadline=$((SECONDS + seconds))
    while kill -0 "$pid" 2>/dev/null; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
    E2E_EXIT_CODE=0
    wait "$pid" || E2E_EXIT_CODE=$?
}

e2e_screenshot() {
    local window=$1 name=$2
    import -window "$window" "$E2E_ARTIFACTS/$name.png"
    e2e_log "screenshot: $E2E_ARTIFACTS/$name.png"
}

e2e_key() { xdotool key --clearmodifiers --delay 40 "$@"; sleep 0.15; }

# A character that the keyboard map lacks (a letter with an accent, an emoji) gets a
# spare key of its own before it is typed: the mapping xdotool makes on the fly, just
# for the key press, can reach the program after the key itself, which then types
# nothing.
declare -A E2E_MAPPED=()
e2e_map_keys() {
    local text=$1 char code keysym spare
    while IFS= read -r -n1 char; do
        [[ -n "$char" ]] || continue
        printf -v code '%d' "'$char"
        ((code > 127)) && [[ -z "${E2E_MAPPED[$char]:-}" ]] || continue
        # The keysym xdotool looks for: Latin-1 as it is, the rest in the Unicode range.
        ((code < 256)) && printf -v keysym '0x%04x' "$code" || printf -v keysym '0x%08x' $((code | 0x1000000))
        spare=$(xmodmap -pke | awk 'NF == 3 && !k { k = $2 } END { print k }')
        [[ -n "$spare" ]] || return 0 # no spare key: xdotool maps one itself
        xmodmap -e "keycode $spare = $keysym"
        E2E_MAPPED[$char]=$spare
        sleep 0.3
    done <<<"$text"
}
e2e_type() { e2e_map_keys "$1"; xdotool type --clearmodifiers --delay 40 "$1"; sleep 0.15; }

# The typical run's details (John, 30, Male, 5 feet 10, moderately active, 30 days,
# 180 pounds, 10 to lose), typed into the main window from its name box on, leaving
# each box by Tab in the window's tab order.
e2e_enter_typical_run() {
    e2e_type john
    e2e_key Tab && e2e_type 30          # age
    e2e_key Tab                         # the hidden Exit button
    e2e_key Tab                         # gender stays Male
    e2e_key Tab && e2e_type 5           # feet
    e2e_key Tab && e2e_type 10          # inches
    e2e_key Tab                         # Calculate
    e2e_key Tab && e2e_type M           # Moderately Active
    e2e_key Tab && e2e_type 30          # days
    e2e_key Tab && e2e_type 180         # pounds
    e2e_key Tab                         # kilograms, filled on leaving the pound box
    e2e_key Tab && e2e_type 10          # pounds to lose
    e2e_key Tab                         # kilograms to lose
}

# Makes a window active; without a window manager gives it the keyboard focus directly.
e2e_activate() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; }

# Starts the program, types the typical run into the main window, calculates (File >
# Calculate) and opens the plan (Alt+P), all by keyboard. The windows' ids go to
# E2E_MAIN, E2E_RESULTS and E2E_PLAN.
e2e_open_typical_plan() {
    e2e_start_program
    E2E_MAIN=$(e2e_window '^Veltro Weight Loss Calculator v1.0$') || e2e_fail "main window did not appear"
    e2e_activate "$E2E_MAIN"
    sleep 0.5
    e2e_enter_typical_run
    e2e_key alt+f && e2e_key Return
    E2E_RESULTS=$(e2e_window '^Veltro Weight Loss Calculator v1.0$') || e2e_fail "results window did not appear"
    sleep 0.5
    e2e_key alt+p
    E2E_PLAN=$(e2e_window '^Weight loss plan for JOHN' 15) || e2e_fail "Alt+P opened no plan window"
    sleep 0.5
}
