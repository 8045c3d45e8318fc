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
# A display or a platform named on the command line, in either form, is the
# toolkit's to try: the program does not say that no session is set.
check 1 err "cannot show its windows" -display :4095
check 1 err "cannot show its windows" --display :4095
check 1 err "cannot show its windows" -platform wayland # the client library tries wayland-0
check 1 err "unknown option '--platform=offscreen'" --platform=offscreen # not a form the toolkit takes

# A help or a version that cannot be written is an error, as in GNU programs.
for stdout in /dev/full closed; do
    if [[ $stdout == closed ]]; then "$program" --help >&- 2>"$tmp/err"; else "$program" --version >"$stdout" 2>"$tmp/err"; fi
    got=$?
    if [[ $got == 1 ]] && grep -q "^$name: write error" "$tmp/err"; then
        echo "ok: $name with its output $stdout -> 1"
    else
        echo "FAIL: $name with its output $stdout: status $got, err: $(cat "$tmp/err")" >&2
        failures=$((failures + 1))
    fi
done

# The toolkit's own option picks a platform, with one dash or two, and the program
# starts on it.
for option in -platform --platform; do
    "$program" "$option" offscreen >"$tmp/out" 2>&1 &
    pid=$!
    sleep 1.5
    if kill -0 "$pid" 2>/dev/null; then
        echo "ok: $name $option offscreen runs"
        kill "$pid"
    else
        echo "FAIL: $name $option offscreen ended: $(cat "$tmp/out")" >&2
        failures=$((failures + 1))
    fi
    wait "$pid" 2>/dev/null
done

((failures == 0)) || exit 1
