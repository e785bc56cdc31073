#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a short while from the seed corpus.
# FUZZ_SECONDS sets the time of each run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang-14 libclang-rt-14-dev
VELNARO_BUILD_DIR=build-fuzz CXX=clang++-14 scripts/build.sh -DVELNARO_BUILD_FUZZ=ON \
    -DVELNARO_BUILD_UI=OFF -DBUILD_TESTING=OFF
seconds=${FUZZ_SECONDS:-30}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in window_session batch_reader rules_file; do
    mkdir -p "$work/$target"
    echo "fuzzing $target for ${seconds}s"
    status=0
    build-fuzz/fuzz/${target}_fuzz -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$work/" "$work/$target" "fuzz/corpus/$target" >"$work/$target.log" 2>&1 ||
        status=$?
    grep -E '^(stat::number_of_executed_units|stat::new_units_added|Done)' "$work/$target.log" || true
    if [ "$status" -ne 0 ]; then
        echo "fuzzing $target failed (exit $status):" >&2
        tail -n 40 "$work/$target.log" >&2
        exit 1
    fi
done
