#!/usr/bin/env bash
# Builds the benchmarks (Release, in build-bench) and runs every one, each beside its reference.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh libbenchmark-dev time bc
VELNARO_BUILD_DIR=build-bench scripts/build.sh -DCMAKE_BUILD_TYPE=Release -DVELNARO_BUILD_BENCH=ON \
    -DBUILD_TESTING=OFF >/dev/null
echo "== machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), load $(cut -d' ' -f1 /proc/loadavg)"
echo "== an OK press in the core: compute_pay and the shown texts (aim: under 1 us)"
build-bench/bench/compute_pay_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
echo "== reading and checking a rules file (aim: under 2 ms)"
build-bench/bench/rules_file_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
echo "== finding and checking 20 rule-set files (aim: 10 ms at most)"
build-bench/bench/rule_sets_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
echo "== a comparison table along each axis (aim: under 1 ms)"
build-bench/bench/comparison_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
echo "== batch mode, rows per second (aim: 1000000 or more)"
bench/batch_rows_per_second.sh build-bench
echo "== arrears, 100000 rows x 12 months x 3 sets (aim: 2x a plain batch at most)"
bench/arrears_run.sh build-bench
echo "== the window: start to first painted frame and memory (aims: 1.3x a window with one Arabic label, 32 MB)"
bench/window_start.sh build-bench 20
echo "== the OK action in the window, click to last field (aim: under 2 ms)"
QT_QPA_PLATFORM=offscreen build-bench/bench/ok_action_bench --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true
