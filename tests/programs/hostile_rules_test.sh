#!/bin/sh
# Rules files that once crashed the programs or loaded to give false figures are refused by every
# program, at FILE:LINE:COL, with status 2 and nothing written.
# Usage: hostile_rules_test.sh SOURCE_DIR BUILD_DIR WORK_DIR
source_dir=$1
build=$2
work=$3
rm -rf "$work"
mkdir -p "$work"
cd "$work" || exit 1
rules=$source_dir/rules/2010.toml
staff=$source_dir/data/examples/staff.csv
failures=0

# A dotted key and a table header 40,000 levels deep (the TOML reader recursed on them).
awk 'BEGIN { printf "x"; for (i = 0; i < 40000; i++) printf ".a"; print " = 1" }' >deep-key.toml
awk 'BEGIN { printf "[x"; for (i = 0; i < 40000; i++) printf ".a"; print "]" }' >deep-table.toml
# A point value with more decimals than the explanations show.
sed 's/^index_point_value = 50.92/index_point_value = 50.925/' "$rules" >three-decimals.toml
# Uncounted points above the lowest grid row: a negative base salary.
sed 's/^uncounted_index_points = 150/uncounted_index_points = 1000/' "$rules" >negative.toml
# A rate written in exponent form would print as one.
sed 's/^retirement_rate = 10 /retirement_rate = 1e-05 /' "$rules" >tiny-rate.toml
# A name holding a line separator.
sed 's/^name = "2010"/name = "20\xe2\x80\xa810"/' "$rules" >separator-name.toml

# refused NAME COMMAND...: status 2, one line on standard error naming FILE:LINE:COL, no crash.
refused() {
    name=$1
    shift
    "$@" >stdout 2>stderr
    status=$?
    if [ "$status" -ne 2 ] || [ "$(wc -l <stderr)" -ne 1 ] || ! grep -q '\.toml:[0-9]*:[0-9]*: ' stderr; then
        echo "FAIL $name: status $status"
        head -c 300 stderr
        echo
        failures=$((failures + 1))
    fi
}

for file in *.toml; do
    refused "$file calc" "$build/cli/velnaro-calc" --rules "$file" --scale 9 --rank 1 --zone A \
        --special-charges no --children 0 --dependents 0 --mutual no
    refused "$file calc batch" "$build/cli/velnaro-calc" --rules "$file" --batch "$staff" \
        -o "$file.csv"
    refused "$file slips" env -u XDG_RUNTIME_DIR "$build/slips/velnaro-slips" --rules "$file" \
        --batch "$staff" -o "$file.pdf"
    refused "$file pictures" env -u XDG_RUNTIME_DIR QT_QPA_PLATFORM=offscreen \
        "$build/ui/velnaro-pictures" "$file.pictures" "$file"
    refused "$file window" env -u XDG_RUNTIME_DIR QT_QPA_PLATFORM=offscreen "$build/ui/velnaro" \
        --rules "$file" --screenshot "$file.png"
    for made in "$file.csv" "$file.pdf" "$file.pictures" "$file.png"; do
        if [ -e "$made" ]; then
            echo "FAIL $file: $made was written"
            failures=$((failures + 1))
        fi
    done
done
echo "$failures failure(s)"
[ "$failures" -eq 0 ]
