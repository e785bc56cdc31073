// A batch under two rule sets: each row's monthly pay under the previous rules beside it, the
// difference and the arrears, exact to the cent.
#include "cli/rules_comparison.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "pay/pay_inputs.h"
#include "test_rows.h"
#include "test_rules.h"

namespace {

using test_rules::cents;
using test_rules::signed_amount;

const std::string header(rows::choice_header);

// Rows of several scales, ranks and families, a row of a refused choice, a malformed record and
// a combination given twice.
const std::string staff = header +
                          "\n10,6,A,no,2,3,yes\n"
                          "9,1,C,no,0,0,no\n"
                          "11,exceptional,B,yes,3,1,no\n"
                          "10,6,A,no,2,3,maybe\n"
                          "out,8,A,yes,6,6,yes\n"
                          "10,6\n"
                          "10,6,A,no,2,3,yes\n";

struct Batch {
    cli::BatchOutcome outcome;
    std::vector<nlohmann::json> rows;
};

Batch run_json(const std::string& input, cli::BatchOptions options) {
    options.json = true;
    if (options.rules == nullptr) {
        options.rules = &pay::built_in_rules();
    }
    std::istringstream in(input);
    std::ostringstream out;
    Batch batch{cli::run_batch(in, out, options), {}};
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        batch.rows.push_back(nlohmann::json::parse(line));
    }
    return batch;
}

std::string text(const nlohmann::json& row, std::string_view member) {
    return row.at(std::string(member)).get<std::string>();
}

struct DirectionCase {
    const char* name;
    // Which rule set is in effect: the raised one, or the built-in one.
    bool raised_in_effect;
    int months;
};

class ComparedBatch : public testing::TestWithParam<DirectionCase> {};

// Each row's previous monthly pay is what the previous rules compute for it alone, its own
// amounts what the rules in effect compute alone; the difference is that of the two shown
// amounts in cents, the arrears the months times it; rows with errors have none of them.
TEST_P(ComparedBatch, SetsEachRowBesideWhatThePreviousRulesComputeAlone) {
    const pay::PayRules raised = test_rules::raised_point_value();
    const pay::PayRules& in_effect = GetParam().raised_in_effect ? raised : pay::built_in_rules();
    const pay::PayRules& previous = GetParam().raised_in_effect ? pay::built_in_rules() : raised;
    const Batch compared = run_json(
        staff,
        {.rules = &in_effect, .comparison = {.previous = &previous, .months = GetParam().months}});
    const Batch now = run_json(staff, {.rules = &in_effect});
    const Batch before = run_json(staff, {.rules = &previous});
    ASSERT_EQ(compared.rows.size(), 7u);
    ASSERT_EQ(now.rows.size(), compared.rows.size());
    ASSERT_EQ(before.rows.size(), compared.rows.size());
    EXPECT_EQ(compared.outcome.status, staff::ExitStatus::row_errors);
    EXPECT_EQ(compared.outcome.failed_rows, 2u);

    std::int64_t difference_sum = 0;
    std::size_t succeeded = 0;
    for (std::size_t i = 0; i < compared.rows.size(); ++i) {
        const nlohmann::json& row = compared.rows[i];
        SCOPED_TRACE("row " + std::to_string(i));
        // The comparison adds its columns and changes nothing else.
        nlohmann::json own = row;
        for (const std::string& column :
             cli::rules_comparison_columns({.previous = &previous, .months = GetParam().months})) {
            own.erase(column);
        }
        EXPECT_EQ(own, now.rows[i]);
        if (!text(row, "error").empty()) {
            EXPECT_EQ(text(row, "previous_monthly_pay"), "");
            EXPECT_EQ(text(row, "monthly_difference"), "");
            EXPECT_EQ(row.contains("arrears"), GetParam().months > 0);
            if (GetParam().months > 0) {
                EXPECT_EQ(text(row, "arrears"), "");
            }
            continue;
        }
        ++succeeded;
        EXPECT_EQ(text(row, "previous_monthly_pay"), text(before.rows[i], "monthly_pay"));
        const std::int64_t difference =
            cents(text(row, "monthly_pay")) - cents(text(row, "previous_monthly_pay"));
        // A higher value of the index point raises every monthly pay.
        EXPECT_EQ(difference > 0, GetParam().raised_in_effect) << difference;
        EXPECT_NE(difference, 0);
        EXPECT_EQ(text(row, "monthly_difference"), signed_amount(difference));
        if (GetParam().months > 0) {
            EXPECT_EQ(text(row, "arrears"), signed_amount(GetParam().months * difference));
        } else {
            EXPECT_FALSE(row.contains("arrears"));
        }
        difference_sum += difference;
    }
    EXPECT_EQ(succeeded, 5u);

    const std::vector<std::string> summary = cli::summary_lines(
        compared.outcome, {.rules = &in_effect,
                           .comparison = {.previous = &previous, .months = GetParam().months},
                           .input_name = "staff.csv"});
    ASSERT_EQ(summary.size(), 3u);
    EXPECT_EQ(summary[1], cli::summary_lines(now.outcome, {.input_name = "staff.csv"})[1]);
    std::string differences =
        "sums of the differences over the 5 rows that succeeded: "
        "monthly_difference " +
        signed_amount(difference_sum);
    if (GetParam().months > 0) {
        differences += ", arrears " + signed_amount(GetParam().months * difference_sum);
    }
    EXPECT_EQ(summary[2], differences);
}

INSTANTIATE_TEST_SUITE_P(
    Directions, ComparedBatch,
    testing::Values(DirectionCase{"raised_rules_in_effect_with_arrears", true, 7},
                    DirectionCase{"raised_rules_before_with_arrears", false, 600},
                    DirectionCase{"raised_rules_in_effect_without_arrears", true, 0}),
    [](const testing::TestParamInfo<DirectionCase>& info) { return info.param.name; });

TEST(ComparedBatch, UnderTheSameRulesDiffersByNothing) {
    const pay::PayRules same = pay::built_in_rules();
    const Batch batch = run_json(staff, {.comparison = {.previous = &same, .months = 12}});
    ASSERT_EQ(batch.rows.size(), 7u);
    for (const nlohmann::json& row : batch.rows) {
        if (text(row, "error").empty()) {
            EXPECT_EQ(text(row, "previous_monthly_pay"), text(row, "monthly_pay"));
            EXPECT_EQ(text(row, "monthly_difference"), "0.00");
            EXPECT_EQ(text(row, "arrears"), "0.00");
        }
    }
    const std::vector<std::string> summary =
        cli::summary_lines(batch.outcome, {.comparison = {.previous = &same, .months = 12}});
    ASSERT_EQ(summary.size(), 3u);
    EXPECT_TRUE(summary[2].ends_with("monthly_difference 0.00, arrears 0.00")) << summary[2];
}

// The columns stand between monthly_pay and error; a spreadsheet's separators and decimal comma
// are theirs too.
TEST(ComparedBatch, WritesItsColumnsBeforeTheErrorInTheSeparatorsOfTheOutput) {
    const pay::PayRules raised = test_rules::raised_point_value();
    std::string input = staff;
    std::replace(input.begin(), input.end(), ',', ';');
    std::istringstream in(input);
    std::ostringstream out;
    const cli::BatchOutcome outcome =
        cli::run_batch(in, out,
                       {.rules = &raised,
                        .comparison = {.previous = &pay::built_in_rules(), .months = 2},
                        .decimal_comma = true});
    EXPECT_EQ(outcome.status, staff::ExitStatus::row_errors);
    std::istringstream lines(out.str());
    std::string line;
    ASSERT_TRUE(std::getline(lines, line));
    std::string expected_header = header + ",";
    expected_header += rows::slip_header;
    expected_header.insert(expected_header.size() - std::string_view(",error").size(),
                           ",previous_monthly_pay,monthly_difference,arrears");
    std::replace(expected_header.begin(), expected_header.end(), ',', ';');
    EXPECT_EQ(line, expected_header);

    // The first row: its monthly pay, the previous one, the difference and the arrears.
    ASSERT_TRUE(std::getline(lines, line));
    std::vector<std::string> fields;
    std::istringstream row(line);
    for (std::string field; std::getline(row, field, ';');) {
        fields.push_back(field);
    }
    // The empty error after the last separator is not split off.
    ASSERT_EQ(fields.size(), 7 + pay::slip_field_count + 3);
    const std::string& monthly = fields[7 + pay::slip_field_count - 1];
    const std::string& previous = fields[7 + pay::slip_field_count];
    EXPECT_EQ(previous, "6033,13");  // the built-in slip of scale 10, rank 6 (worked_slips.h)
    const std::int64_t difference = cents(monthly) - cents(previous);
    EXPECT_EQ(fields[7 + pay::slip_field_count + 1], signed_amount(difference, ','));
    EXPECT_EQ(fields[7 + pay::slip_field_count + 2], signed_amount(2 * difference, ','));

    // A refused row: every amount empty, the comparison's too; its error holds the separator.
    for (int skipped = 0; skipped < 3; ++skipped) {
        ASSERT_TRUE(std::getline(lines, line));
    }
    EXPECT_EQ(line, "10;6;A;no;2;3;maybe" + std::string(pay::slip_field_count + 3, ';') +
                        ";\"mutual_member 'maybe' is not an answer; expected yes or no\"");
}

// Pressed in two windows side by side, one for each rule set: a refused press shows what the
// window still shows, with no comparison; the others compare as rows standing alone do.
TEST(ComparedSession, PressesEachRowUnderBothRules) {
    const pay::PayRules raised = test_rules::raised_point_value();
    const std::string scale_10(pay::scale_items[1]);
    const std::string scale_9(pay::scale_items[0]);
    const std::string zone_a(pay::zone_items[0]);
    const std::string zone_c(pay::zone_items[2]);
    const std::string yes(pay::yes_text);
    const std::string no(pay::no_text);
    const std::string input = header + "\n" +
                              rows::joined({scale_10, "6", zone_a, no, "2", "3", yes}) + "\n" +
                              rows::joined({scale_9, "1", zone_c, no, "0", "", no}) + "\n" +
                              rows::joined({scale_9, "1", zone_c, no, "0", "0", no}) + "\n";
    const cli::RulesComparison comparison{.previous = &pay::built_in_rules(), .months = 3};
    const Batch session =
        run_json(input, {.session = true, .rules = &raised, .comparison = comparison});
    const Batch standalone = run_json(input, {.rules = &raised, .comparison = comparison});
    ASSERT_EQ(session.rows.size(), 3u);
    ASSERT_EQ(standalone.rows.size(), 3u);
    EXPECT_EQ(session.rows[0], standalone.rows[0]);
    EXPECT_EQ(text(session.rows[1], "error"), "missing choice: dependents");
    EXPECT_EQ(text(session.rows[1], "monthly_pay"), text(session.rows[0], "monthly_pay"));
    EXPECT_EQ(text(session.rows[1], "previous_monthly_pay"), "");
    EXPECT_EQ(text(session.rows[1], "monthly_difference"), "");
    EXPECT_EQ(text(session.rows[1], "arrears"), "");
    EXPECT_EQ(session.rows[2], standalone.rows[2]);
    EXPECT_EQ(session.outcome.monthly_difference_sum, standalone.outcome.monthly_difference_sum);
    EXPECT_EQ(session.outcome.arrears_sum, 3 * session.outcome.monthly_difference_sum);
}

struct ClashCase {
    const char* name;
    std::string column;
    int months;
    bool explain;
    bool refused;
};

class AddedColumn : public testing::TestWithParam<ClashCase> {};

// A row cannot hold two values of one name: an input column named as a column the run adds is
// refused before any row; the same column is passed through when the run does not add it.
TEST_P(AddedColumn, ClashesWithAnInputColumnOfItsName) {
    std::istringstream in(GetParam().column + "," + header + "\nx,10,6,A,no,2,3,yes\n");
    std::ostringstream out;
    const cli::BatchOutcome outcome = cli::run_batch(
        in, out,
        {.json = true,
         .explain = GetParam().explain,
         .rules = &pay::built_in_rules(),
         .comparison = {.previous = &pay::built_in_rules(), .months = GetParam().months}});
    if (GetParam().refused) {
        EXPECT_EQ(outcome.status, staff::ExitStatus::usage);
        EXPECT_EQ(outcome.message,
                  "input column '" + GetParam().column + "' has the name of an output column");
        EXPECT_EQ(out.str(), "");
    } else {
        EXPECT_EQ(outcome.status, staff::ExitStatus::ok) << outcome.message;
        EXPECT_EQ(nlohmann::json::parse(out.str()).at(GetParam().column), "x");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Columns, AddedColumn,
    testing::Values(ClashCase{"previous_monthly_pay", "previous_monthly_pay", 0, false, true},
                    ClashCase{"monthly_difference", "monthly_difference", 0, false, true},
                    ClashCase{"arrears_with_months", "arrears", 6, false, true},
                    ClashCase{"arrears_without_months", "arrears", 0, false, false},
                    ClashCase{"rules_explained", "rules", 0, true, true},
                    ClashCase{"rules_unexplained", "rules", 0, false, false}),
    [](const testing::TestParamInfo<ClashCase>& info) { return info.param.name; });

// Every explained row names the rules in effect, and its explanation follows them.
TEST(ExplainedBatch, NamesTheRulesInEffectOnEveryRow) {
    const pay::PayRules raised = test_rules::raised_point_value();
    const Batch batch = run_json(header + "\n10,6,A,no,2,3,yes\n10,6,A,no,2,3,maybe\n",
                                 {.explain = true, .rules = &raised});
    ASSERT_EQ(batch.rows.size(), 2u);
    for (const nlohmann::json& row : batch.rows) {
        EXPECT_EQ(text(row, "rules"), pay::rule_set_title(raised));
    }
    // (402 - 150) points at the raised value of a point.
    const std::string formula = text(batch.rows[0]["explanation"]["annual_base_salary"], "formula");
    EXPECT_NE(
        formula.find(" × " + pay::rule_number_text(raised.base_salary.index_point_value) + " + "),
        std::string::npos)
        << formula;
    EXPECT_TRUE(batch.rows[1]["explanation"].is_null());
}

}  // namespace
