#!/usr/bin/env bash
# Installs what is missing, builds, and starts the window. Without a display it says so, writes
# the window's picture and prints a sample computation instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build_dir=${VELNARO_BUILD_DIR:-build}
scripts/build.sh >/dev/null
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$build_dir/ui/velnaro" "$@"
fi
echo "No display found: writing the window's picture to velnaro-window.png instead of opening it."
QT_QPA_PLATFORM=offscreen "$build_dir/ui/velnaro" --screenshot velnaro-window.png
echo "A sample computation:"
"$build_dir/cli/velnaro-calc" --scale 10 --rank 6 --zone A --special-charges no --children 2 \
    --dependents 3 --mutual yes
