#!/usr/bin/env bash
# Shared set-up for the tests that run the installed program in a real X server:
# a private Xvfb with the openbox window manager, private settings and runtime
# folders, and a stand-in xdg-open that records the addresses handed to it.
#
# Usage from a test script:  source lib.sh; e2e_setup BUILD_DIR; ... ; (cleanup runs on exit)
set -euo pipefail

E2E_PIDS=()

e2e_log() { printf '[%s] %s\n' "$(date +%H:%M:%S)" "$*" >&2; }

e2e_fail() {
    e2e_log "FAIL: $*"
    exit 1
}

e2e_cleanup() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    if [[ -n "${E2E_TMP:-}" && -z "${E2E_KEEP:-}" ]]; then
        rm -rf "$E2E_TMP"
    fi
}

# Waits until a command succeeds, for at most $1 seconds.
e2e_wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

e2e_setup() {
    local build_dir=$1
    for tool in Xvfb openbox xdotool import; do
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

    export XDG_CONFIG_HOME="$E2E_TMP/config"
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

    # A free display number of our own.
    local n
    for n in $(shuf -i 100-400 -n 40); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        Xvfb ":$n" -screen 0 "${E2E_SCREEN:-1280x1024x24}" -dpi "${E2E_DPI:-96}" -nolisten tcp >"$E2E_TMP/xvfb.log" 2>&1 &
        E2E_PIDS+=($!)
        export DISPLAY=":$n"
        if e2e_wait_for 10 xdotool getdisplaygeometry; then
            break
        fi
        unset DISPLAY
    done
    [[ -n "${DISPLAY:-}" ]] || e2e_fail "could not start Xvfb"
    # Without a window manager no window becomes active and Tab moves nothing.
    openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
    E2E_PIDS+=($!)
    sleep 0.5
    e2e_log "X server $DISPLAY ready, program $E2E_PROGRAM"
}

# Starts the program in the background; its pid goes to E2E_APP_PID.
e2e_start_program() {
    "$E2E_PROGRAM" "$@" >"$E2E_TMP/program.log" 2>&1 &
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

# Waits until the program's process has ended and prints its exit code.
e2e_wait_exit() {
    local pid=$1 seconds=${2:-15}
    local deadline=$((SECONDS + seconds))
    while kill -0 "$pid" 2>/dev/null; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
    local code=0
    wait "$pid" || code=$?
    printf '%s\n' "$code"
}

e2e_screenshot() {
    local window=$1 name=$2
    import -window "$window" "$E2E_ARTIFACTS/$name.png"
    e2e_log "screenshot: $E2E_ARTIFACTS/$name.png"
}

e2e_key() { xdotool key --clearmodifiers --delay 40 "$@"; sleep 0.15; }
e2e_type() { xdotool type --clearmodifiers --delay 40 "$1"; sleep 0.15; }
