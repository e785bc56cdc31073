#!/usr/bin/env bash
# Prints the WM_CLASS of the window a program opens, run on a virtual X display:
#   scripts/window-wm-class.sh PROGRAM    (prints e.g.: "velnaro", "Velnaro")
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 PROGRAM" >&2; exit 2; }
exec xvfb-run -a bash -c '
    "$0" >/dev/null 2>&1 &
    program=$!
    trap "kill $program 2>/dev/null" EXIT
    for _ in $(seq 100); do
        for window in $(xwininfo -root -children | sed -n "s/^ *\(0x[0-9a-f]*\) .*/\1/p"); do
            class=$(xprop -id "$window" WM_CLASS 2>/dev/null | sed -n "s/^WM_CLASS(STRING) = //p")
            if [ -n "$class" ]; then
                echo "$class"
                exit 0
            fi
        done
        sleep 0.1
    done
    echo "no window with a WM_CLASS after 10 s" >&2
    exit 1
' "$1"
