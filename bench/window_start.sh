#!/usr/bin/env bash
# Time from the start of the process to the first painted frame, and the resident memory then,
# of the pay window against a bare Qt Widgets window of the same size (and the same with one
# Arabic label, which shows the cost of the fonts alone), alternating runs.
#   bench/window_start.sh [BUILD_DIR] [RUNS]    (defaults: build-bench, 20)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-bench}
runs=${2:-20}
program=$build_dir/bench/window_start
[ -x "$program" ] || { echo "no $program: run bench/run_all.sh" >&2; exit 2; }
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

declare -A times memory
for ((i = 0; i < runs; i++)); do
    for mode in velnaro bare bare-text; do
        start=$(date +%s%N)
        line=$("$program" "$mode" 2>/dev/null)
        end=$(date +%s%N)
        times[$mode]+="$(((end - start) / 1000)) "
        memory[$mode]+="$(awk '{print $3}' <<<"$line") "
    done
done

median() { tr ' ' '\n' | grep -v '^$' | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
v_time=$(median <<<"${times[velnaro]}")
b_time=$(median <<<"${times[bare]}")
t_time=$(median <<<"${times[bare-text]}")
v_mem=$(median <<<"${memory[velnaro]}")
b_mem=$(median <<<"${memory[bare]}")
t_mem=$(median <<<"${memory[bare-text]}")
echo "platform $QT_QPA_PLATFORM, $runs runs each, medians; ratio = velnaro / bare"
printf '%-24s %11s %11s %8s %6s %11s\n' figure velnaro bare ratio aim bare-text
printf '%-24s %9.1fms %9.1fms %8.2f %6s %9.1fms\n' "start to first paint" \
    "$(bc -l <<<"$v_time/1000")" "$(bc -l <<<"$b_time/1000")" "$(bc -l <<<"$v_time/$b_time")" \
    "1.5" "$(bc -l <<<"$t_time/1000")"
printf '%-24s %9dkB %9dkB %8.2f %6s %9dkB\n' "peak resident memory" "$v_mem" "$b_mem" \
    "$(bc -l <<<"$v_mem/$b_mem")" "1.3" "$t_mem"
