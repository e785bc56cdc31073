#!/usr/bin/env bash
# Configures and builds into build/ (or $VELNARO_BUILD_DIR), with any extra CMake arguments.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${VELNARO_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build_dir" --parallel "$(nproc)"
