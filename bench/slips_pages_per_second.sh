#!/usr/bin/env bash
# Times velnaro-slips on generated staff files (valid rows, every scale, rank, zone and count) as
# whole processes pinned to one core: pages per second by the clock and by CPU time, and the
# peak memory, which stays the same for a file ten times smaller.
#   bench/slips_pages_per_second.sh [BUILD_DIR] [ROWS]    (defaults: build, 10000)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
rows=${2:-10000}
slips=$build_dir/slips/velnaro-slips
[ -x "$slips" ] || { echo "no $slips: build first (scripts/build.sh)" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (apt-get install time)" >&2; exit 2; }
command -v pdfinfo >/dev/null || { echo "needs pdfinfo (apt-get install poppler-utils)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

generate() {
    bench/staff_rows.sh "$1" names
}

generate "$rows" >"$work/rows.csv"
generate "$((rows / 10))" >"$work/tenth.csv"
echo "$rows rows; $(nproc) cores, load $(cut -d' ' -f1 /proc/loadavg); one core used (taskset -c 0)"

measure() {
    local label=$1 file=$2 count=$3
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f "%U %S %M" -o "$work/time" \
        taskset -c 0 "$slips" --batch "$file" -o "$work/out.pdf" ||
        { echo "$label: exited with $?" >&2; exit 1; }
    end=$(date +%s%N)
    local pages
    pages=$(pdfinfo "$work/out.pdf" | awk '/^Pages:/ { print $2 }')
    [ "$pages" -eq "$count" ] || { echo "$label: $pages pages for $count rows" >&2; exit 1; }
    read -r user sys rss <"$work/time"
    awk -v l="$label" -v n="$count" -v ns="$((end - start))" -v u="$user" -v s="$sys" -v m="$rss" \
        -v size="$(du -k "$work/out.pdf" | cut -f1)" 'BEGIN {
        e = ns / 1e9
        printf "%-14s %7.2f s  %6.0f pages/s by the clock  %6.0f pages/s of CPU  %7d KB peak  %7d KB of PDF\n",
            l, e, n / (e > 0 ? e : 0.01), n / (u + s > 0 ? u + s : 0.01), m, size
    }'
}

echo "aim: 200 pages/s or more on one core, the same peak memory for a tenth of the rows"
measure "all rows" "$work/rows.csv" "$rows"
measure "a tenth" "$work/tenth.csv" "$((rows / 10))"
