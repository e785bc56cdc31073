#!/usr/bin/env bash
# What the pay window's resident memory at its first frame is made of, against its floor (a
# window that draws one Arabic label): the resident kilobytes of each library, font file and
# the heap, from /proc/self/smaps at the first frame, largest difference first.
#   bench/memory_by_mapping.sh [BUILD_DIR] [MIN_KB]    (defaults: build-bench, 32)
# Run it as window_start.sh is run: under a display server, with a session bus.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-bench}
min_kb=${2:-32}
# shellcheck source=bench/window_programs.sh
source bench/window_programs.sh

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
VELNARO_BENCH_MAPS=$work/window "$build_dir/bench/window_start" velnaro 2>/dev/null
VELNARO_BENCH_MAPS=$work/floor "$build_dir/bench/arabic_label_window" 2>/dev/null

# Resident kilobytes by mapping: a file by its name, anonymous memory as "[anon]".
by_mapping() {
    awk '/^[0-9a-f]+-[0-9a-f]+ / { name = NF >= 6 ? $NF : "[anon]"; sub(".*/", "", name) }
         /^Rss:/ { kb[name] += $2 }
         END { for (name in kb) print name, kb[name] }' "$1" | sort
}
by_mapping "$work/window" >"$work/window.kb"
by_mapping "$work/floor" >"$work/floor.kb"
join -a 1 -a 2 -e 0 -o 0,1.2,2.2 "$work/window.kb" "$work/floor.kb" |
    awk -v min="$min_kb" '
        { window += $2; floor += $3; d = $2 - $3 }
        d >= min || -d >= min { printf "%8d %8d %8d  %s\n", d, $2, $3, $1 }
        END { printf "%8d %8d %8d  %s\n", window - floor, window, floor, "(all)" }' |
    sort -k1,1nr | { echo "    diff   window    floor  mapping (resident kB)"; cat; }
