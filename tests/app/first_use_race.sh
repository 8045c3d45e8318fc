#!/usr/bin/env bash
# Several weigh-ins added at the same moment on a journal that is not there yet: each
# process waits for the one making the journal, none takes the journal being made
# for a file of another program, and every weigh-in reported stored is in it.
#
# Usage: first_use_race.sh PROGRAM [ROUNDS]
set -uo pipefail
program=$(realpath "$1")
rounds=${2:-40}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
unset DISPLAY WAYLAND_DISPLAY WAYLAND_SOCKET QT_QPA_PLATFORM
failures=0
for ((round = 1; round <= rounds; round++)); do
    home="$tmp/$round"
    mkdir -p -m 700 "$home/runtime"
    export HOME="$home" XDG_RUNTIME_DIR="$home/runtime" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
    pids=()
    for i in 1 2 3 4; do
        "$program" --add-weight "8$i.0kg" --date "2025-01-0$i" >"$home/out$i" 2>"$home/err$i" &
        pids+=($!)
    done
    for i in 1 2 3 4; do
        wait "${pids[i - 1]}"
        echo $? >"$home/status$i"
    done
    "$program" --export-csv - >"$home/export" 2>"$home/export-err"
    for i in 1 2 3 4; do
        status=$(cat "$home/status$i")
        if [[ $status != 0 ]] || [[ -s $home/err$i ]]; then
            echo "FAIL: round $round, weigh-in $i: status $status: $(cat "$home/err$i")" >&2
            failures=$((failures + 1))
        fi
        if grep -q "^Stored" "$home/out$i" && ! grep -q "^2025-01-0$i,8$i\.00," "$home/export"; then
            echo "FAIL: round $round: weigh-in $i was reported stored but is not in the journal:" \
                "$(cat "$home/export")" >&2
            failures=$((failures + 1))
        fi
    done
    aside=$(find "$XDG_DATA_HOME" -name "journal-*" 2>/dev/null | head -1)
    [[ -z $aside ]] || { echo "FAIL: round $round: $aside was moved aside" >&2; failures=$((failures + 1)); }
    rm -rf "$home"
done
((failures == 0)) && echo "ok: $rounds rounds of four weigh-ins at once on a new journal"
((failures == 0))
