#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test. Then builds it
# all again with AddressSanitizer and UndefinedBehaviorSanitizer into <build>-asan
# and runs every test there, where any report fails the test; and builds the fuzz
# targets with clang into <build>-fuzz and gives each a short run.
# SANITIZE=0 or FUZZ=0 leaves out either; BUILD_JOBS sets the build's jobs (2).
# Prints how long each stage took, at its end and once more at the end of the run.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}

timings=()
run_start=$SECONDS
minutes() { printf '%d min %02d s' $(($1 / 60)) $(($1 % 60)); }
summary() {
    local status=$?
    echo "=== time taken by stage:" >&2
    printf '    %s\n' "${timings[@]}" >&2
    echo "    whole run: $(minutes $((SECONDS - run_start)))$( ((status == 0)) || echo ", failed with status $status")" >&2
}
trap summary EXIT

# Runs one stage: a name, then the command.
stage() {
    local name=$1 start=$SECONDS status=0
    shift
    echo "=== $name" >&2
    "$@" || status=$?
    timings+=("$name: $(minutes $((SECONDS - start)))$( ((status == 0)) || echo " (failed)")")
    echo "=== $name took $(minutes $((SECONDS - start)))" >&2
    return "$status"
}

run_tests() { (cd "$1" && shift && ctest --output-on-failure "$@"); }
build_fuzzers() {
    cmake -S . -B "$build_dir-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DVELTRO_FUZZ=ON >/dev/null
    cmake --build "$build_dir-fuzz" --target veltro_fuzzers --parallel "${BUILD_JOBS:-2}"
}

stage "install what is missing" scripts/deps.sh test
stage "build" scripts/build.sh
stage "tests" run_tests "$build_dir" --timeout 300

if [[ "${SANITIZE:-1}" != 0 ]]; then
    stage "sanitizer build" env BUILD_DIR="$build_dir-asan" scripts/build.sh -DVELTRO_SANITIZE=ON
    stage "sanitizer tests" run_tests "$build_dir-asan" --timeout 600
fi

if [[ "${FUZZ:-1}" != 0 ]]; then
    stage "fuzz build" build_fuzzers
    stage "fuzz runs" run_tests "$build_dir-fuzz" -L fuzz --timeout 300
fi
