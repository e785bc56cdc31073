#!/usr/bin/env bash
# Time from the start of the process to the first painted frame, and the peak resident memory
# then, of the pay window against its floor, a window of the same size that draws one Arabic
# label in the window font (arabic_label_window), and a bare Qt Widgets window that draws no
# text; runs alternate, medians are printed, with the CPU time (user + system) beside the clock.
#   bench/window_start.sh [BUILD_DIR] [RUNS]    (defaults: build-bench, 20)
# Run it under a display server, as a user would see the window: QT_QPA_PLATFORM=xcb with DISPLAY
# set (Xvfb does); without a display it uses the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-bench}
runs=${2:-20}
# shellcheck source=bench/window_programs.sh
source bench/window_programs.sh

declare -A command=(
    [velnaro]="$build_dir/bench/window_start velnaro"
    [floor]="$build_dir/bench/arabic_label_window"
    [bare]="$build_dir/bench/window_start bare"
)
declare -A times cpu memory
cpu_file=$(mktemp)
trap 'rm -f "$cpu_file"' EXIT
for ((i = 0; i < runs; i++)); do
    for mode in velnaro floor bare; do
        start=$(date +%s%N)
        line=$(/usr/bin/time -o "$cpu_file" -f '%U %S' ${command[$mode]} 2>/dev/null)
        end=$(date +%s%N)
        times[$mode]+="$(((end - start) / 1000)) "
        cpu[$mode]+="$(awk '{printf "%d", ($1 + $2) * 1000000}' "$cpu_file") "
        memory[$mode]+="$(awk '{print $3}' <<<"$line") "
    done
done

median() { tr ' ' '\n' | grep -v '^$' | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "platform $QT_QPA_PLATFORM, $runs runs each, medians; ratio = velnaro / floor"
printf '%-26s %11s %11s %7s %5s %11s\n' figure velnaro floor ratio aim bare
for figure in times cpu; do
    declare -n values=$figure
    v=$(median <<<"${values[velnaro]}")
    f=$(median <<<"${values[floor]}")
    b=$(median <<<"${values[bare]}")
    label="start to first paint"
    [ "$figure" = cpu ] && label="  CPU time (user+system)"
    printf '%-26s %9.1fms %9.1fms %7.2f %5s %9.1fms\n' "$label" "$(bc -l <<<"$v/1000")" \
        "$(bc -l <<<"$f/1000")" "$(bc -l <<<"$v/$f")" "1.3" "$(bc -l <<<"$b/1000")"
done
v=$(median <<<"${memory[velnaro]}")
f=$(median <<<"${memory[floor]}")
b=$(median <<<"${memory[bare]}")
printf '%-26s %9dkB %9dkB %7.2f %5s %9dkB\n' "peak resident memory" "$v" "$f" \
    "$(bc -l <<<"$v/$f")" "32MB" "$b"
