#!/usr/bin/env bash
# The program on the command line: --help and --version answer without a display,
# anything unknown is refused with a pointer to --help, the toolkit's own options
# still work, and without any graphical session the program says so in one line.
# None of these may dump core.
#
# Usage: command_line.sh PROGRAM
set -uo pipefail
program=$1
name=$(basename "$program")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export XDG_RUNTIME_DIR="$tmp/runtime" XDG_CONFIG_HOME="$tmp/config"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
unset DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET QT_QPA_PLATFORM
failures=0

# Runs the program with the given arguments; checks its exit status, and that its
# standard output (or, with "err", its error output) matches a pattern.
check() {
    local status=$1 stream=$2 pattern=$3
    shift 3
    "$program" "$@" >"$tmp/out" 2>"$tmp/err"
    local got=$?
    local text
    text=$(cat "$tmp/$stream")
    if [[ $got != "$status" ]] || ! grep -qE -- "$pattern" <<<"$text"; then
        echo "FAIL: $name $*: status $got (wanted $status), $stream: $text" >&2
        failures=$((failures + 1))
    else
        echo "ok: $name $* -> $status"
    fi
}

check 0 out "^Usage: $name \[options\]$" --help
check 0 out "-v, --version" -h
check 0 out "^$name 1\.00$" --version
check 0 out "^$name 1\.00$" -style fusion -v
check 1 err "unknown option '--frobnicate'" --frobnicate
check 1 err "Try '$name --help'" --frobnicate
check 1 err "neither DISPLAY nor WAYLAND_DISPLAY" # no graphical session at all
[[ $(wc -l <"$tmp/err") == 1 ]] || { echo "FAIL: more than one line without a session" >&2; failures=$((failures + 1)); }
check 1 err "unexpected argument 'extra'" -platform offscreen extra
check 1 err "unknown option '-frobnicate'" -platform offscreen -frobnicate
DISPLAY=:4095 check 1 err "cannot show its windows" # a display that is not there

# The toolkit's own option picks a platform, and the program starts on it.
"$program" -platform offscreen >"$tmp/out" 2>&1 &
pid=$!
sleep 1.5
if kill -0 "$pid" 2>/dev/null; then
    echo "ok: $name -platform offscreen runs"
    kill "$pid"
else
    echo "FAIL: $name -platform offscreen ended: $(cat "$tmp/out")" >&2
    failures=$((failures + 1))
fi
wait "$pid" 2>/dev/null

((failures == 0)) || exit 1
