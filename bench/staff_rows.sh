#!/usr/bin/env bash
# Prints a staff CSV file of ROWS valid rows (ASCII aliases) that goes through every scale, rank,
# zone and count; with "names", each row also has a name after its id, as printed slips show.
#   bench/staff_rows.sh ROWS [names]
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 ROWS [names]" >&2; exit 2; }
awk -v n="$1" -v names="${2:-}" 'BEGIN {
    split("9 10 11 out", scales, " ")
    ranks[1] = 10; ranks[2] = 11; ranks[3] = 14; ranks[4] = 8
    split("A B C", zones, " ")
    split("yes no", answers, " ")
    print "id," (names == "names" ? "name," : "") \
        "scale,rank,zone,special_charges,children,dependents,mutual_member"
    for (i = 0; i < n; i++) {
        s = i % 4 + 1
        rank = int(i / 4) % ranks[s] + 1
        if ((s == 2 && rank == 11) || (s == 3 && rank == 14)) rank = "exceptional"
        printf "%d,%s%s,%s,%s,%s,%d,%d,%s\n", i + 1,
            (names == "names" ? "Agent " (i + 1) "," : ""), scales[s], rank,
            zones[int(i / 7) % 3 + 1], answers[int(i / 11) % 2 + 1], int(i / 13) % 7,
            int(i / 17) % 7, answers[int(i / 19) % 2 + 1]
    }
}'
