#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test. Then builds it
# all again with AddressSanitizer and UndefinedBehaviorSanitizer into <build>-asan
# and runs every test there, where any report fails the test; and builds the fuzz
# targets with clang into <build>-fuzz and gives each a short run.
# SANITIZE=0 or FUZZ=0 leaves out either; BUILD_JOBS sets the build's jobs (2).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
scripts/build.sh
build_dir=${BUILD_DIR:-build}
(cd "$build_dir" && ctest --output-on-failure --timeout 300)

if [[ "${SANITIZE:-1}" != 0 ]]; then
    BUILD_DIR="$build_dir-asan" scripts/build.sh -DVELTRO_SANITIZE=ON
    (cd "$build_dir-asan" && ctest --output-on-failure --timeout 600)
fi

if [[ "${FUZZ:-1}" != 0 ]]; then
    cmake -S . -B "$build_dir-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DVELTRO_FUZZ=ON >/dev/null
    cmake --build "$build_dir-fuzz" --target veltro_fuzzers --parallel "${BUILD_JOBS:-2}"
    (cd "$build_dir-fuzz" && ctest -L fuzz --output-on-failure --timeout 300)
fi
