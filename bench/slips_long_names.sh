#!/usr/bin/env bash
# Times velnaro-slips on a staff file whose every row has a long name (a name of BYTES bytes, Latin
# words with an Arabic word among them): the clock, the CPU and the peak memory of the whole
# process. A page shows only what fits of a name, so neither should grow with the name's length,
# and the memory should not grow with the rows.
#   bench/slips_long_names.sh [BUILD_DIR] [ROWS] [BYTES]    (defaults: build, 300, 102400)
# A record may hold 1 MiB (the CSV reader's limit), so a name of 1,000,000 bytes is about the longest.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
rows=${2:-300}
bytes=${3:-102400}
slips=$build_dir/slips/velnaro-slips
[ -x "$slips" ] || { echo "no $slips: build first (scripts/build.sh)" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (apt-get install time)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One name of about `bytes` bytes: "Ali Ben Salah " and an Arabic word, over and over; each row's
# starts with its number, as each row of a staff file names another person.
word=$(printf 'Ali Ben Salah \xd8\xb3\xd8\xb9\xd8\xa7\xd8\xaf ')
name=$(LC_ALL=C awk -v w="$word" -v n="$bytes" 'BEGIN {
    s = w; while (length(s) < n) s = s s; print substr(s, 1, n - n % length(w)) }')
{
    echo "id,name,scale,rank,zone,special_charges,children,dependents,mutual_member"
    for ((i = 1; i <= rows; i++)); do
        echo "$i,$i $name,9,1,C,no,2,3,yes"
    done
} >"$work/rows.csv"
echo "$rows rows of a $(printf %s "$name" | wc -c) byte name; $(nproc) cores, load $(cut -d' ' -f1 /proc/loadavg)"
/usr/bin/time -v "$slips" --batch "$work/rows.csv" -o "$work/out.pdf" 2>"$work/time" ||
    { cat "$work/time" >&2; exit 1; }
awk -F': ' '/Elapsed \(wall clock\)/ { print "wall " $2 }
    /User time/ { print "user " $2 " s" } /System time/ { print "system " $2 " s" }
    /Maximum resident/ { printf "peak %.1f MB\n", $2 / 1024 }' "$work/time"
echo "PDF $(du -k "$work/out.pdf" | cut -f1) KB"
