#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh -DVELNARO_WARNINGS_AS_ERRORS=ON
QT_QPA_PLATFORM=offscreen ctest --test-dir "${VELNARO_BUILD_DIR:-build}" --output-on-failure \
    --parallel "$(nproc)"
