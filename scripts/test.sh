#!/usr/bin/env bash
# Installs what is missing, builds (warnings as errors), and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir "${VELNARO_BUILD_DIR:-build}" --output-on-failure \
    --parallel "$(nproc)"
