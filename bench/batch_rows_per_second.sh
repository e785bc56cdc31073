#!/usr/bin/env bash
# Times velnaro-calc's batch mode on generated files of valid rows (ASCII aliases, every scale,
# rank, zone and count), as whole processes: rows per second by the clock and by CPU time, and
# the peak memory, which stays the same for a file ten times smaller.
#   bench/batch_rows_per_second.sh [BUILD_DIR] [ROWS]    (defaults: build, 1000000)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
rows=${2:-1000000}
calc=$build_dir/cli/velnaro-calc
[ -x "$calc" ] || { echo "no $calc: build first (scripts/build.sh)" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (apt-get install time)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

generate() {
    bench/staff_rows.sh "$1"
}

generate "$rows" >"$work/rows.csv"
generate "$((rows / 10))" >"$work/tenth.csv"
echo "$rows rows, $(du -h "$work/rows.csv" | cut -f1) of CSV; $(nproc) cores, load $(cut -d' ' -f1 /proc/loadavg)"

measure() {
    # The second argument, the input, is for the reader of the call.
    local label=$1 count=$3
    shift 3
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f "%U %S %M" -o "$work/time" "$@" ||
        { echo "$label: exited with $?" >&2; exit 1; }
    end=$(date +%s%N)
    [ "$(wc -l <"$work/out")" -ge "$count" ] || { echo "$label: rows missing" >&2; exit 1; }
    read -r user sys rss <"$work/time"
    local elapsed
    elapsed=$(awk -v ns="$((end - start))" 'BEGIN { print ns / 1e9 }')
    awk -v l="$label" -v n="$count" -v e="$elapsed" -v u="$user" -v s="$sys" -v m="$rss" 'BEGIN {
        printf "%-22s %6.3f s  %9.0f rows/s by the clock  %9.0f rows/s of CPU  %6d KB peak\n",
            l, e, n / (e > 0 ? e : 0.01), n / (u + s > 0 ? u + s : 0.01), m
    }'
}

echo "aim: 1000000 rows/s or more; reference: the same file copied by cat, the floor of reading and writing it"
measure "reference: cat" "$work/rows.csv" "$rows" sh -c 'exec cat "$0" >"$1"' "$work/rows.csv" "$work/out"
measure "CSV" "$work/rows.csv" "$rows" "$calc" --batch "$work/rows.csv" -o "$work/out"
measure "JSON Lines" "$work/rows.csv" "$rows" "$calc" --batch "$work/rows.csv" -o "$work/out" --json
measure "CSV, a tenth" "$work/tenth.csv" "$((rows / 10))" \
    "$calc" --batch "$work/tenth.csv" -o "$work/out"
measure "JSON Lines, a tenth" "$work/tenth.csv" "$((rows / 10))" \
    "$calc" --batch "$work/tenth.csv" -o "$work/out" --json
