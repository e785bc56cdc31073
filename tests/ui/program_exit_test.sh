#!/bin/sh
# velnaro's answers on the terminal with no display: each case's exit status and its one line on
# standard error. Usage: program_exit_test.sh VELNARO WORK_DIR
velnaro=$1
work=$2
mkdir -p "$work/runtime"
chmod 700 "$work/runtime"
rm -rf "$work/missing"
failures=0

# check NAME STATUS PATTERN COMMAND...: runs COMMAND with no display, standard error to a file.
check() {
    name=$1 want=$2 pattern=$3
    shift 3
    env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$@" 2>"$work/stderr"
    status=$?
    lines=$(wc -l <"$work/stderr")
    if [ "$status" -ne "$want" ] || [ "$lines" -ne 1 ] || ! grep -q -- "$pattern" "$work/stderr"; then
        echo "FAIL $name: status $status (want $want), $lines line(s) on stderr:"
        cat "$work/stderr"
        failures=$((failures + 1))
    else
        echo "ok   $name: $(cat "$work/stderr")"
    fi
}

check "--version to a full disk" 1 "cannot write to standard output: No space left" \
    sh -c '"$0" --version >/dev/full' "$velnaro"
check "--help to a full disk" 1 "cannot write to standard output: No space left" \
    sh -c '"$0" --help >/dev/full' "$velnaro"
check "an unknown option" 2 "^velnaro: Unknown option 'bogus'. Try 'velnaro --help'.$" \
    "$velnaro" --bogus
check "a stray argument" 2 "^velnaro: Unexpected argument 'x.png'" "$velnaro" x.png
check "the window without a display" 1 "^velnaro: no display" "$velnaro"
# An argument's control characters are shown escaped, never sent to the terminal.
esc=$(printf '\033')
bel=$(printf '\007')
check_escaped() {
    name=$1 want=$2 pattern=$3
    shift 3
    check "$name" "$want" "$pattern" "$@"
    if grep -q "[$esc$bel]" "$work/stderr"; then
        echo "FAIL $name: a raw control character on stderr"
        failures=$((failures + 1))
    fi
}
check_escaped "a stray argument with controls" 2 \
    "^velnaro: Unexpected argument 'x\\\\x1b]0;t\\\\x07.png'" "$velnaro" "x${esc}]0;t${bel}.png"
check_escaped "an unknown option with controls" 2 "^velnaro: Unknown option '\\\\x1b\\[2J'" \
    "$velnaro" "--${esc}[2J"

rm -f "$work/window.png"
check "a screenshot without a display" 1 "QT_QPA_PLATFORM=offscreen" \
    "$velnaro" --screenshot "$work/window.png"
if [ -e "$work/window.png" ]; then
    echo "FAIL a screenshot without a display wrote $work/window.png"
    failures=$((failures + 1))
fi
# A display that is named but does not answer: one line of the program's own at the end.
check_gone_display() {
    name=$1 pattern=$2
    shift 2
    env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=:97 XDG_RUNTIME_DIR="$work/runtime" "$@" \
        2>"$work/stderr"
    status=$?
    if [ "$status" -ne 1 ] || ! tail -n 1 "$work/stderr" | grep -q -- "$pattern"; then
        echo "FAIL $name: status $status (want 1), standard error:"
        cat "$work/stderr"
        failures=$((failures + 1))
    else
        echo "ok   $name: $(tail -n 1 "$work/stderr")"
    fi
}
check_gone_display "the window on a display that is gone" \
    "^velnaro: cannot open the display ':97'$" "$velnaro"
check_gone_display "a screenshot on a display that is gone" \
    "^velnaro: cannot open the display ':97'; run with QT_QPA_PLATFORM=offscreen" \
    "$velnaro" --screenshot "$work/window.png"
if [ -e "$work/window.png" ]; then
    echo "FAIL a screenshot on a display that is gone wrote $work/window.png"
    failures=$((failures + 1))
fi

check "a screenshot into a missing folder" 1 "^velnaro: cannot write $work/missing/window.png" \
    env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" \
    "$velnaro" --screenshot "$work/missing/window.png"
check_escaped "a screenshot path with controls" 1 \
    "^velnaro: cannot write $work/missing/\\\\x1b\\[2J.png: No such file" \
    env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" \
    "$velnaro" --screenshot "$work/missing/${esc}[2J.png"

# A pipe named by --screenshot is written in place, never replaced by a file: its reader gets the
# picture, and it stays a pipe.
rm -f "$work/window.fifo" "$work/from-the-pipe.png"
mkfifo "$work/window.fifo"
timeout 30 cat "$work/window.fifo" >"$work/from-the-pipe.png" &
reader=$!
env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" \
    "$velnaro" --screenshot "$work/window.fifo" 2>"$work/stderr"
status=$?
wait "$reader"
if [ "$status" -ne 0 ] || [ -s "$work/stderr" ] || [ ! -p "$work/window.fifo" ] ||
    [ "$(head -c 4 "$work/from-the-pipe.png" | tail -c 3)" != "PNG" ]; then
    echo "FAIL a screenshot into a pipe: status $status, the pipe or its picture lost:"
    cat "$work/stderr"
    failures=$((failures + 1))
else
    echo "ok   a screenshot into a pipe"
fi

[ "$failures" -eq 0 ]
