#!/bin/sh
# Every mode of every program works under rules files at the edges of their documented ranges:
# no first children and five, one month and 24, one bracket, zero rates and ceilings, the
# largest amounts. Each run must end with status 0 and write what it was asked for.
# Usage: edge_rules_test.sh SOURCE_DIR BUILD_DIR WORK_DIR
source_dir=$1
build=$2
work=$3
rm -rf "$work"
mkdir -p "$work"
cd "$work" || exit 1
rules=$source_dir/rules/2010.toml
staff=$source_dir/data/examples/staff.csv
failures=0

# edge NAME SED_SCRIPT: a rules file made from the built-in one.
edge() {
    sed -e "s/^name = \"2010\"/name = \"$1\"/" -e "$2" "$rules" >"$1.toml"
}

edge no-first-children 's/^first_children = 3/first_children = 0/'
edge five-first-children 's/^first_children = 3/first_children = 5/'
edge one-month 's/^months_per_year = 12/months_per_year = 1/'
edge twenty-four-months 's/^months_per_year = 12/months_per_year = 24/'
edge one-bracket '/^    { above = [0-9]*, rate = [0-9]*, base_amount = [0-9]* },$/{/above = 30000/!d}'
edge zero-rates-and-ceilings 's/_rate = [0-9.]*/_rate = 0/; s/_ceiling = [0-9]*/_ceiling = 0/; s/^rate = 85/rate = 0/; s/zone_rates = .*/zone_rates = { "أ" = 0, "ب" = 0, "ج" = 0 }/; s/base_salary_share = 10/base_salary_share = 0/'
edge largest-amounts 's/^index_point_value = 50.92/index_point_value = 10000/; s/^first_fixed_amount = 9885/first_fixed_amount = 10000000/; s/^second_fixed_amount = 3981/second_fixed_amount = 10000000/; s/^first_child_amount = 2400/first_child_amount = 10000000/; s/^further_child_amount = 432/further_child_amount = 10000000/'

# run NAME COMMAND...: the command must end with status 0 and say nothing of a crash.
run() {
    name=$1
    shift
    "$@" >stdout 2>stderr
    status=$?
    if [ "$status" -ne 0 ] || grep -q -i -e terminate -e exception -e "segmentation" stderr; then
        echo "FAIL $name: status $status"
        head -5 stderr
        failures=$((failures + 1))
    fi
}

slip="--scale 10 --rank 6 --zone A --special-charges yes --children 6 --dependents 6 --mutual yes"
for file in *.toml; do
    set -- --rules "$file"
    # shellcheck disable=SC2086
    {
        run "$file table" "$build/cli/velnaro-calc" "$@" $slip
        run "$file json" "$build/cli/velnaro-calc" "$@" --json $slip
        run "$file explain" "$build/cli/velnaro-calc" "$@" --explain $slip
        run "$file explain json" "$build/cli/velnaro-calc" "$@" --explain --json $slip
        for axis in rank scale zone children dependents; do
            run "$file compare $axis" "$build/cli/velnaro-calc" "$@" --compare "$axis" $slip
        done
        run "$file against built-in" "$build/cli/velnaro-calc" "$@" --compare-rules "$rules" $slip
    }
    run "$file batch" "$build/cli/velnaro-calc" "$@" --batch "$staff" --summary -o "$file.csv"
    run "$file json lines" "$build/cli/velnaro-calc" "$@" --batch "$staff" --json --explain \
        -o "$file.jsonl"
    run "$file arrears" "$build/cli/velnaro-calc" "$@" --batch "$staff" \
        --compare-rules "$rules" --months 6 --summary -o "$file-arrears.csv"
    run "$file show" "$build/cli/velnaro-calc" "$@" --show-rules -o "$file.shown"
    run "$file shown reads back" "$build/cli/velnaro-calc" --rules "$file.shown" $slip
    run "$file slips" env -u XDG_RUNTIME_DIR "$build/slips/velnaro-slips" "$@" \
        --batch "$staff" -o "$file.pdf"
    run "$file pictures" env -u XDG_RUNTIME_DIR QT_QPA_PLATFORM=offscreen \
        "$build/ui/velnaro-pictures" "$file.pictures" "$file"
    run "$file window" env -u XDG_RUNTIME_DIR QT_QPA_PLATFORM=offscreen "$build/ui/velnaro" \
        "$@" --screenshot "$file.png"
    for made in "$file.csv" "$file.jsonl" "$file.pdf" "$file.png" "$file.pictures"; do
        [ -s "$made" ] || [ -d "$made" ] || {
            echo "FAIL $file: nothing in $made"
            failures=$((failures + 1))
        }
    done
done
echo "$failures failure(s)"
[ "$failures" -eq 0 ]
