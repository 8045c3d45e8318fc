#!/usr/bin/env bash
# Configures and builds the program and its tests in ./build (or $BUILD_DIR), with
# two jobs (or $BUILD_JOBS); further arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build_dir" --parallel "${BUILD_JOBS:-2}"
