#!/bin/sh
# Rule sets over time through the programs: the known sets and --list-rules, --on in every
# program, and arrears month by month with their figures worked by hand.
# Usage: rules_over_time_test.sh SOURCE_DIR BUILD_DIR WORK_DIR
source_dir=$1
build=$2
work=$3
rm -rf "$work"
mkdir -p "$work/system" "$work/data/velnaro/rules" "$work/sets" "$work/clash"
cd "$work" || exit 1
calc=$build/cli/velnaro-calc
rules=$source_dir/rules/2010.toml
failures=0
# Neither the real home nor the installed folder: this test's own.
XDG_DATA_HOME=$work/data
VELNARO_SYSTEM_RULES_DIR=$work/system
export XDG_DATA_HOME VELNARO_SYSTEM_RULES_DIR

fail() {
    echo "FAIL $1"
    failures=$((failures + 1))
}

# expect NAME EXPECTED_FILE ACTUAL_FILE
expect() {
    if ! cmp -s "$2" "$3"; then
        fail "$1"
        diff "$2" "$3"
    fi
}

# set_file FILE NAME DAY POINT_VALUE: the 2010 file as another set.
set_file() {
    sed -e "s/^name = \"2010\"/name = \"$2\"/" -e "s/^effective = 2010-01-01/effective = $3/" \
        -e "s/^index_point_value = 50.92/index_point_value = $4/" "$rules" >"$1"
}

# The installed copy of the built-in set, a raise from January 2011 in the user's folder.
cp "$rules" system/2010.toml
set_file data/velnaro/rules/2011.toml 2011 2011-01-01 52.00

"$calc" --list-rules --on 2010-12-31 >list.txt
printf '%s\n' "* 2010-01-01  2010  built in" \
    "  2011-01-01  2011  $work/data/velnaro/rules/2011.toml" >expected.txt
expect "list on 2010-12-31" expected.txt list.txt
"$calc" --list-rules | head -1 >list.txt
echo "  2010-01-01  2010  built in" >expected.txt
expect "list today" expected.txt list.txt

# One slip under the set of the day: 6033.13 under 2010, 6054.12 under 2011 (scale 10, rank 6).
slip="--scale 10 --rank 6 --zone A --special-charges no --children 2 --dependents 3 --mutual yes"
# shellcheck disable=SC2086
for on in 2010-12-31:6033.13 2011-01-01:6054.12; do
    "$calc" --on "${on%%:*}" $slip | grep '^monthly_pay' | tr -s ' ' >pay.txt
    echo "monthly_pay ${on##*:} الأجرة الشهرية" >expected.txt
    expect "slip on ${on%%:*}" expected.txt pay.txt
done
# shellcheck disable=SC2086
"$calc" --on 2009-12-31 $slip >/dev/null 2>err.txt
status=$?
echo "velnaro-calc: --on: no rule set is in force on 2009-12-31: the first, 2010, takes effect on 2010-01-01" >expected.txt
[ "$status" -eq 2 ] || fail "slip before the first set: status $status"
expect "slip before the first set" expected.txt err.txt

# The worked example of the manual: a raise published in June that takes effect from January
# 2011 (index point 50.92 -> 52.00), paid until the end of May under 2010, and a promotion from
# rank 6 to rank 7 on the 16th of April, paid at rank 6 until the end of May. Monthly pays (scale
# 10, zone A, no special charges, 2 children, 3 dependents, member): rank 6 6033.13 under 2010
# and 6054.12 under 2011, rank 7 6158.40 under 2011.
cat >staff.csv <<'CSV'
name,scale,rank,zone,special_charges,children,dependents,mutual,from,to,paid_monthly_pay
before,10,6,A,no,2,3,yes,,2011-04-15,
after,10,7,A,no,2,3,yes,2011-04-16,,6033.13
CSV
"$calc" --batch staff.csv --from 2011-01-01 --to 2011-05-31 --paid-rules "$rules" \
    --arrears-detail detail.csv --summary -o out.csv 2>err.txt
status=$?
[ "$status" -eq 0 ] || fail "worked example: status $status"
# before: due 3 x 6054.12 + 605412 x 15 / 30 (= 302706) = 18162.36 + 3027.06 = 21189.42;
#         paid 3 x 6033.13 + 603313 x 15 / 30 (= 301656.5, up to 301657) = 18099.39 + 3016.57
#         = 21115.96; arrears 73.46.
# after:  due 615840 x 15 / 30 (= 307920) + 6158.40 = 3079.20 + 6158.40 = 9237.60;
#         paid 3016.57 + 6033.13 = 9049.70; arrears 187.90.
cat >expected.txt <<'CSV'
name,scale,rank,zone,special_charges,children,dependents,mutual,from,to,paid_monthly_pay,due,paid,arrears,error
before,10,6,A,no,2,3,yes,,2011-04-15,,21189.42,21115.96,+73.46,
after,10,7,A,no,2,3,yes,2011-04-16,,6033.13,9237.60,9049.70,+187.90,
CSV
expect "worked example" expected.txt out.csv
cat >expected.txt <<'CSV'
row,month,days,rules,due,paid,arrears
2,2011-01,31,2011,6054.12,6033.13,+20.99
2,2011-02,28,2011,6054.12,6033.13,+20.99
2,2011-03,31,2011,6054.12,6033.13,+20.99
2,2011-04,15,2011,3027.06,3016.57,+10.49
3,2011-04,15,2011,3079.20,3016.57,+62.63
3,2011-05,31,2011,6158.40,6033.13,+125.27
CSV
expect "worked example, detail" expected.txt detail.csv
# 21189.42 + 9237.60 = 30427.02; 21115.96 + 9049.70 = 30165.66; 73.46 + 187.90 = 261.36.
printf '%s\n' "velnaro-calc: staff.csv: 2 rows read, 0 with errors" \
    "velnaro-calc: sums over the 2 rows that succeeded: due 30427.02, paid 30165.66, arrears +261.36" \
    >expected.txt
expect "worked example, summary" expected.txt err.txt

# A set back at the 2010 values from the 16th of April: April is shared 15 days each,
# (605412 x 15 + 603313 x 15) / 30 = 18130875 / 30 = 604362.5, up to 6043.63 due. Paid by default
# under the set in force the day before --from, 2011 on the 31st of March: 6054.12, so the
# arrears are 6043.63 - 6054.12 = -10.49.
set_file sets/back.toml back 2011-04-16 50.92
printf 'scale,rank,zone,special_charges,children,dependents,mutual\n10,6,A,no,2,3,yes\n' >one.csv
"$calc" --batch one.csv --from 2011-04-01 --to 2011-04-30 --rules-dir sets \
    --arrears-detail detail.csv -o out.csv
echo "2,2011-04,30,2011 + back,6043.63,6054.12,-10.49" >expected.txt
tail -1 detail.csv >actual.txt
expect "set changing mid-month" expected.txt actual.txt

# February of a leap year, the row leaving on the 10th: 605412 x 10 / 29 = 208762.76, up to
# 2087.63 due; 603313 x 10 / 29 = 208038.97, up to 2080.39 paid.
printf 'scale,rank,zone,special_charges,children,dependents,mutual,to\n10,6,A,no,2,3,yes,2012-02-10\n' >leap.csv
"$calc" --batch leap.csv --from 2012-02-01 --to 2012-02-29 --paid-rules "$rules" -o out.csv
echo "10,6,A,no,2,3,yes,2012-02-10,2087.63,2080.39,+7.24," >expected.txt
tail -1 out.csv >actual.txt
expect "leap February" expected.txt actual.txt

# Row errors name their column; the other rows are computed.
cat >faulty.csv <<'CSV'
scale,rank,zone,special_charges,children,dependents,mutual,from,to,paid_monthly_pay
10,6,A,no,2,3,yes,2011-02-30,,
10,6,A,no,2,3,yes,2011-05-01,2011-04-30,
10,6,A,no,2,3,yes,2010-12-31,,
10,6,A,no,2,3,yes,,,6033.1x
10,6,A,no,2,3,yes,,,
CSV
"$calc" --batch faulty.csv --from 2011-01-01 --to 2011-01-31 --paid-rules "$rules" \
    -o out.csv 2>err.txt
status=$?
[ "$status" -eq 1 ] || fail "faulty rows: status $status"
cat >expected.txt <<'CSV'
scale,rank,zone,special_charges,children,dependents,mutual,from,to,paid_monthly_pay,due,paid,arrears,error
10,6,A,no,2,3,yes,2011-02-30,,,,,,from '2011-02-30' is not a day; expected YYYY-MM-DD
10,6,A,no,2,3,yes,2011-05-01,2011-04-30,,,,,from 2011-05-01 is outside the period 2011-01-01 to 2011-01-31 | to 2011-04-30 is outside the period 2011-01-01 to 2011-01-31
10,6,A,no,2,3,yes,2010-12-31,,,,,,from 2010-12-31 is outside the period 2011-01-01 to 2011-01-31
10,6,A,no,2,3,yes,,,6033.1x,,,,paid_monthly_pay '6033.1x' is not an amount; expected one such as 6033.13
10,6,A,no,2,3,yes,,,,6054.12,6033.13,+20.99,
CSV
expect "faulty rows" expected.txt out.csv
echo "velnaro-calc: faulty.csv: 4 of 5 rows have errors (lines 2, 3, 4, 5); see the error column" >expected.txt
expect "faulty rows, message" expected.txt err.txt
printf 'scale,rank,zone,special_charges,children,dependents,mutual,from,to\n10,6,A,no,2,3,yes,2011-01-20,2011-01-10\n' >after.csv
"$calc" --batch after.csv --from 2011-01-01 --to 2011-01-31 -o out.csv 2>/dev/null
echo "10,6,A,no,2,3,yes,2011-01-20,2011-01-10,,,,from 2011-01-20 comes after to 2011-01-10" >expected.txt
tail -1 out.csv >actual.txt
expect "from after to" expected.txt actual.txt

# Two different sets on one day: refused, both named, status 2, nothing written.
set_file clash/other.toml "2011 bis" 2011-01-01 53.00
echo "kept" >kept.csv
for program in calc slips window; do
    case $program in
        calc) "$calc" --rules-dir clash --batch one.csv -o kept.csv 2>err.txt ;;
        slips) "$build/slips/velnaro-slips" --rules-dir clash --batch one.csv -o kept.csv 2>err.txt ;;
        window) QT_QPA_PLATFORM=offscreen "$build/ui/velnaro" --rules-dir clash --screenshot kept.csv 2>err.txt ;;
    esac
    status=$?
    [ "$status" -eq 2 ] || fail "two sets on one day ($program): status $status"
    grep -q "clash/other.toml: takes effect on 2011-01-01, as $work/data/velnaro/rules/2011.toml does, with other rules" err.txt ||
        fail "two sets on one day ($program): $(cat err.txt)"
    [ "$(cat kept.csv)" = kept ] || fail "two sets on one day ($program): the output was written"
done

# --on in velnaro-slips and the window: before the first set, refused before anything is written.
"$build/slips/velnaro-slips" --on 2009-01-01 --batch one.csv -o kept.csv 2>err.txt
status=$?
[ "$status" -eq 2 ] && [ "$(cat kept.csv)" = kept ] || fail "slips before the first set: $status"
QT_QPA_PLATFORM=offscreen "$build/ui/velnaro" --on 2009-01-01 --screenshot kept.csv 2>err.txt
status=$?
[ "$status" -eq 2 ] && [ "$(cat kept.csv)" = kept ] || fail "window before the first set: $status"
"$build/slips/velnaro-slips" --on 2011-02-01 --batch one.csv -o slips.pdf 2>err.txt ||
    fail "slips on 2011-02-01: $(cat err.txt)"
if command -v pdftotext >/dev/null; then
    pdftotext slips.pdf - | grep -q "2011-01-01" || fail "slips on 2011-02-01: not the 2011 set"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "all passed"
