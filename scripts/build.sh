#!/usr/bin/env bash
# Configures and builds into build/ (or $VELNARO_BUILD_DIR), with any extra CMake arguments. The
# run and test commands configure alike (warnings as errors in both), so that one builds for the
# other; ccache, when installed, keeps a rebuild short.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${VELNARO_BUILD_DIR:-build}
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELNARO_WARNINGS_AS_ERRORS=ON \
    "${launcher[@]}" "$@"
cmake --build "$build_dir" --parallel "$(nproc)"
