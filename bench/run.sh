#!/usr/bin/env bash
# Start-up and reaction benchmark of the program against the bare toolkit (not a
# test: the figures depend on the machine and its load, so only ratios taken in one
# run mean anything).
#
#   bench/run.sh [RUNS]
#
# Builds into build-bench (or $BENCH_BUILD_DIR) with one job (or $BUILD_JOBS) and
# starts one Xvfb without a window manager. After one warm-up start of each, RUNS
# (default 20) alternating starts of the bare toolkit (a QMainWindow with a menu bar
# and one label, bench/baseline.cpp, in a window of the program's size) and of the
# program give the time from the process's start until its main window is mapped,
# the processor time used until then, and the peak resident memory. The program runs
# with a private settings folder that already holds today's date, so no update
# reminder shows, a private data folder without a journal, and a fresh private
# runtime folder each start. Two more kinds of start of the same program join the
# alternation: with an empty journal, and with a full one (ten years of daily
# weigh-ins, 3,650, and a followed plan), each in a data folder of its own; the
# journal is not opened at start, so they should start as the program does. Then,
# inside the program, the time from pressing Calculate until the results window is
# on the screen, from asking for the plan until its window is, and from "Your
# Progress" until the progress window of the full journal is. Without the display:
# 20 runs of --add-weight into a copy of the full journal, an import of 10,000 lines
# into an empty journal, and the plan of the typical run for 30 and 1000 days with
# the body-weight model's part of it. Prints medians (and the fastest starts), the
# program/baseline ratios and the ratios of the starts with a journal to the program.
#
# BENCH_BEFORE=PATH adds the starts of another build of the program (an older one, to
# see what a change costs) to the same alternation, and its ratios to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
build_dir=${BENCH_BUILD_DIR:-build-bench}

scripts/deps.sh bench
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRO_BENCH=ON >/dev/null
nice cmake --build "$build_dir" --parallel "${BUILD_JOBS:-1}" --target veltro-weight-loss-calculator \
    veltro-bench-baseline veltro-bench-launch veltro-bench-calculate veltro-bench-logic >/dev/null
program=$(realpath "$build_dir/src/veltro-weight-loss-calculator")
baseline=$(realpath "$build_dir/bench/veltro-bench-baseline")
launch=$(realpath "$build_dir/bench/veltro-bench-launch")
calculate=$(realpath "$build_dir/bench/veltro-bench-calculate")
logic=$(realpath "$build_dir/bench/veltro-bench-logic")

tmp=$(mktemp -d /tmp/veltro-bench.XXXXXX)
xvfb=""
cleanup() {
    [[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

for n in $(shuf -i 400-700 -n 40); do
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
    xvfb=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break 2; sleep 0.1; done
    kill "$xvfb" 2>/dev/null || true
    xvfb=""
done
[[ -n "$xvfb" ]] || { echo "could not start Xvfb" >&2; exit 1; }

unset QT_QPA_PLATFORM
export LC_ALL=C.UTF-8
export XDG_CONFIG_HOME="$tmp/config"
mkdir -p "$XDG_CONFIG_HOME"

# The journals, made by the program's own code (a CSV file imported as the progress
# window imports one, and the typical run's plan followed), then read back by the
# program as a check.
export XDG_DATA_HOME="$tmp/data"
empty_data="$tmp/data-empty"
full_data="$tmp/data-full"
mkdir -p "$XDG_DATA_HOME"
weigh_ins=3650
XDG_DATA_HOME=$empty_data "$logic" journal 0
XDG_DATA_HOME=$full_data "$logic" journal "$weigh_ins"
rows=$(XDG_DATA_HOME=$full_data "$program" --export-csv - | tail -n +2 | wc -l)
[[ $rows -eq $weigh_ins ]] || { echo "the full journal reads back $rows weigh-ins, not $weigh_ins" >&2; exit 1; }

# One start of each: $1 names it, the rest is the command. Appends "<ms> <KiB>".
start() {
    local name=$1
    shift
    XDG_RUNTIME_DIR=$(mktemp -d "$tmp/runtime.XXXXXX")
    export XDG_RUNTIME_DIR
    chmod 700 "$XDG_RUNTIME_DIR"
    "$launch" 700 "$@" >>"$tmp/$name" || { echo "$name did not start" >&2; exit 1; }
    # Ended by a signal, the program leaves its lock behind, which a normal end
    # removes; the next start would first have to take it over.
    rm -f "/tmp/veltro-$(id -u)"/*.lock
}

# Warm-up: fills the file system's and fontconfig's caches, and the program's first
# start stores today's date, so that no later start shows the reminder.
# The baseline's window takes the size of the program's main window.
start warmup "$program"
size=$(awk '{print $3}' "$tmp/warmup")
start warmup "$baseline" "$size"
XDG_DATA_HOME=$empty_data start warmup "$program"
XDG_DATA_HOME=$full_data start warmup "$program"
before=${BENCH_BEFORE:+$(realpath "$BENCH_BEFORE")}
[[ -z "$before" ]] || start warmup "$before"
: >"$tmp/baseline"
: >"$tmp/program"
: >"$tmp/empty"
: >"$tmp/full"
: >"$tmp/before"
for ((i = 0; i < runs; i++)); do
    if ((i % 2 == 0)); then
        start baseline "$baseline" "$size"
        start program "$program"
        XDG_DATA_HOME=$empty_data start empty "$program"
        XDG_DATA_HOME=$full_data start full "$program"
        [[ -z "$before" ]] || start before "$before"
    else
        [[ -z "$before" ]] || start before "$before"
        XDG_DATA_HOME=$full_data start full "$program"
        XDG_DATA_HOME=$empty_data start empty "$program"
        start program "$program"
        start baseline "$baseline" "$size"
    fi
done

XDG_RUNTIME_DIR=$(mktemp -d "$tmp/runtime.XXXXXX")
export XDG_RUNTIME_DIR
chmod 700 "$XDG_RUNTIME_DIR"
XDG_DATA_HOME=$full_data "$calculate" 31 >"$tmp/calculate"

# Without the display: the command line's weigh-in into a copy of the full journal
# (a fresh process each time, as from a shell or a launcher), the import and the model.
cp -a "$full_data" "$tmp/data-add"
python3 - "$program" "$tmp/data-add" 20 >"$tmp/add-weight" <<'PY'
import os, statistics, subprocess, sys, time
program, data, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
env = dict(os.environ, XDG_DATA_HOME=data)
times = []
for i in range(runs):
    begun = time.perf_counter()
    subprocess.run([program, "--add-weight", f"{172 + i / 10:.1f}lb"], env=env, stdout=subprocess.DEVNULL, check=True)
    times.append((time.perf_counter() - begun) * 1000)
print(f"median of {runs} runs {statistics.median(times):.1f} ms (max {max(times):.1f}, first {times[0]:.1f})")
PY
"$logic" import 10000 5 >"$tmp/import"
"$logic" model 31 >"$tmp/model"

python3 - "$tmp/baseline" "$tmp/program" "$tmp/calculate" "$runs" "$tmp/before" "$tmp/empty" "$tmp/full" \
    "$tmp/add-weight" "$tmp/import" "$tmp/model" "$weigh_ins" <<'PY'
import statistics, sys
def load(path):
    rows = [line.split() for line in open(path) if line.strip()]
    return [float(r[0]) for r in rows], [int(r[1]) for r in rows], rows[0][2], [float(r[3]) for r in rows]
def lines(path):
    for line in open(path):
        print("  " + line.rstrip())
bt, bm, size, bc = load(sys.argv[1])
pt, pm, _, pc = load(sys.argv[2])
et, em, _, ec = load(sys.argv[6])
ft, fm, _, fc = load(sys.argv[7])
weigh_ins = int(sys.argv[11])
med = statistics.median
if open(sys.argv[5]).read().strip():
    ot, om, _, oc = load(sys.argv[5])
    print("The other build (BENCH_BEFORE) in the same alternation:")
    print(f"  elapsed     other    {med(ot):6.1f} ms   program {med(pt):6.1f} ms   ratio {med(pt) / med(ot):.3f}")
    print(f"  processor   other    {med(oc):6.1f} ms   program {med(pc):6.1f} ms   ratio {med(pc) / med(oc):.3f}")
    print(f"  memory      other    {med(om) / 1024:6.1f} MiB  program {med(pm) / 1024:6.1f} MiB  ratio {med(pm) / med(om):.3f}")
print(f"Start until the main window is mapped, median of {sys.argv[4]} alternating starts each")
print(f"(the baseline's window {size}, as the program's):")
print(f"  elapsed     baseline {med(bt):6.1f} ms   program {med(pt):6.1f} ms   ratio {med(pt) / med(bt):.2f}")
print(f"  fastest     baseline {min(bt):6.1f} ms   program {min(pt):6.1f} ms   ratio {min(pt) / min(bt):.2f}")
print(f"  processor   baseline {med(bc):6.1f} ms   program {med(pc):6.1f} ms   ratio {med(pc) / med(bc):.2f}")
print(f"Peak resident memory:")
print(f"              baseline {med(bm) / 1024:6.1f} MiB  program {med(pm) / 1024:6.1f} MiB  ratio {med(pm) / med(bm):.2f}")
print("With a journal, which is not opened at start, against the start without one:")
print(f"  elapsed     empty    {med(et):6.1f} ms  ratio {med(et) / med(pt):.3f}   full {med(ft):6.1f} ms  ratio {med(ft) / med(pt):.3f}")
print(f"  processor   empty    {med(ec):6.1f} ms  ratio {med(ec) / med(pc):.3f}   full {med(fc):6.1f} ms  ratio {med(fc) / med(pc):.3f}")
print(f"  memory      empty    {med(em) / 1024:6.1f} MiB ratio {med(em) / med(pm):.3f}   full {med(fm) / 1024:6.1f} MiB ratio {med(fm) / med(pm):.3f}")
print("Calculate until the results window is on the screen (target 16 ms); the plan asked for until its")
print(f"window is (target 50 ms); Your Progress ({weigh_ins:,} weigh-ins, a followed plan) until its window")
print("is (target 100 ms); settled: until the other events of the round that painted it are handled:")
lines(sys.argv[3])
print(f"--add-weight into a journal of {weigh_ins:,} weigh-ins, a process each (target 200 ms):")
lines(sys.argv[8])
print("An import: read, parse, preview and one change to an empty journal (target 2 s):")
lines(sys.argv[9])
print("The plan of the typical run, whole, and the body-weight model's part of it (target 5 ms):")
lines(sys.argv[10])
PY
