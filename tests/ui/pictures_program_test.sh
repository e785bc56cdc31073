#!/bin/sh
# velnaro-pictures's answers on the terminal: each case's exit status, its standard error, and
# that a refused run makes no folder. Usage: pictures_program_test.sh VELNARO_PICTURES WORK_DIR
pictures=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
cd "$work" || exit 1
failures=0

fail() {
    echo "FAIL $1"
    cat stderr
    failures=$((failures + 1))
}

# check NAME STATUS PATTERN COMMAND...: runs COMMAND without a runtime folder; standard error must
# be one line matching PATTERN, or empty when PATTERN is, and the folder must hold only what the
# run was to make.
check() {
    name=$1 want=$2 pattern=$3
    shift 3
    env -u XDG_RUNTIME_DIR "$@" >stdout 2>stderr
    status=$?
    lines=$(wc -l <stderr)
    if [ "$status" -ne "$want" ]; then
        fail "$name: status $status (want $want)"
    elif [ -z "$pattern" ] && [ "$lines" -ne 0 ]; then
        fail "$name: standard error should be empty"
    elif [ -n "$pattern" ] && { [ "$lines" -ne 1 ] || ! grep -q -- "$pattern" stderr; }; then
        fail "$name: $lines line(s) on standard error, not matching $pattern"
    else
        echo "ok   $name"
    fi
}

# no_folder NAME: nothing but the test's own files was made.
no_folder() {
    extra=$(ls -A | grep -v -x -e stdout -e stderr -e bad.toml)
    if [ -n "$extra" ]; then
        echo "FAIL $1 made: $extra"
        failures=$((failures + 1))
    fi
}

check "--help" 0 "" "$pictures" --help
no_folder "--help"
if ! grep -q "^usage: velnaro-pictures" stdout; then
    echo "FAIL --help printed no usage"
    failures=$((failures + 1))
fi
check "an unknown option" 2 "^velnaro-pictures: unknown option '--bogus'" "$pictures" --bogus
no_folder "an unknown option"
check "an unknown option after the folder" 2 "^velnaro-pictures: unknown option '-x'" \
    "$pictures" out -x
no_folder "an unknown option after the folder"
check "no folder" 2 "^velnaro-pictures: expected OUTDIR" "$pictures"
printf 'name = = 1\n' >bad.toml
check "rules that cannot be used" 2 "^velnaro-pictures: bad.toml:1:8: " "$pictures" out bad.toml
no_folder "rules that cannot be used"
check "a folder named like an option, after --" 0 "" "$pictures" -- --help
if [ "$(ls ./--help | grep -c '\.png$')" -ne 7 ]; then
    echo "FAIL -- --help wrote no pictures"
    failures=$((failures + 1))
fi

[ "$failures" -eq 0 ]
