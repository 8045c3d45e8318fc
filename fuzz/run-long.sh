#!/usr/bin/env bash
# Runs the fuzz targets for longer than their tests do, one after the other.
#
#   fuzz/run-long.sh [--seconds N] [--merge] [target...]
#
# Builds them first into build-fuzz (or $FUZZ_BUILD_DIR) with clang. Each target runs
# N seconds (default 600) from its seeds in fuzz/corpus/<target> and what earlier
# long runs found, which is kept in <build>/fuzz/found/<target>. An input that breaks
# a property is saved as <build>/fuzz/artifacts/<target>-crash-*; rerun it with
# <build>/fuzz/fuzz_<target> <file>. With --merge the seeds are replaced by the
# smallest set of inputs that reaches every branch the seeds and the findings reach.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=600
merge=0
targets=()
while [[ $# -gt 0 ]]; do
    case "$1" in
    --seconds)
        seconds=$2
        shift 2
        ;;
    --merge)
        merge=1
        shift
        ;;
    -h | --help)
        sed -n '2,12p' "$0"
        exit 0
        ;;
    *)
        targets+=("$1")
        shift
        ;;
    esac
done

declare -A max_len
while read -r name length; do
    [[ -z "$name" || "$name" == \#* ]] && continue
    max_len[$name]=$length
done <fuzz/targets.txt
[[ ${#targets[@]} -gt 0 ]] || mapfile -t targets < <(grep -o '^[a-z]*' fuzz/targets.txt)

build_dir=${FUZZ_BUILD_DIR:-build-fuzz}
cmake -S . -B "$build_dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang -DVELTRO_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
nice cmake --build "$build_dir" --target veltro_fuzzers --parallel 1

# The same sanitizer options as the tests use.
while read -r line; do
    [[ "$line" =~ ^set\(ENV\{([A-Z_]+)\}\ \"(.*)\"\)$ ]] && export "${BASH_REMATCH[1]}=${BASH_REMATCH[2]}"
done <"$build_dir/sanitizer-environment.cmake"

failed=()
for target in "${targets[@]}"; do
    [[ -n "${max_len[$target]:-}" ]] || { echo "no fuzz target named $target" >&2; exit 2; }
    found="$build_dir/fuzz/found/$target"
    seeds="fuzz/corpus/$target"
    mkdir -p "$found" "$build_dir/fuzz/artifacts"
    echo "== fuzz_$target for ${seconds}s" >&2
    if ! nice "$build_dir/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len="${max_len[$target]}" \
        -timeout=10 -print_final_stats=1 -artifact_prefix="$build_dir/fuzz/artifacts/$target-" \
        "$found" "$seeds"; then
        failed+=("$target")
        continue
    fi
    if [[ $merge == 1 ]]; then
        merged=$(mktemp -d)
        nice "$build_dir/fuzz/fuzz_$target" -merge=1 -use_counters=0 -max_len="${max_len[$target]}" "$merged" "$seeds" "$found"
        rm -f "$seeds"/*
        cp "$merged"/* "$seeds"/
        rm -rf "$merged"
        echo "fuzz/corpus/$target now holds $(ls "$seeds" | wc -l) seeds" >&2
    fi
done

if [[ ${#failed[@]} -gt 0 ]]; then
    echo "Properties broken in: ${failed[*]} (inputs in $build_dir/fuzz/artifacts/)" >&2
    exit 1
fi
echo "All fuzz targets ran ${seconds}s without breaking a property." >&2
