#include "pay/comparison.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pay/amount_format.h"
#include "pay/pay_inputs.h"
#include "pay/pay_session.h"
#include "test_inputs.h"

namespace {

using pay::Choice;
using pay::CompareAxis;
using pay::PayInputs;
using pay::Refusal;
using pay::Scale;
using test_inputs::item;

const std::string exceptional = item(pay::exceptional_rank);

// Scale 10, rank 6, zone B, no special charges, two children, three dependents, member.
PayInputs worked() {
    return {.scale = item(pay::scale_text(Scale::scale_10)),
            .rank = "6",
            .zone = item(pay::zone_items[1]),
            .special_charges = item(pay::no_text),
            .children = "2",
            .dependents = "3",
            .mutual_member = item(pay::yes_text)};
}

PayInputs with(PayInputs inputs, Choice choice, std::string text) {
    pay::choice_text(inputs, choice) = std::move(text);
    return inputs;
}

PayInputs on_scale(PayInputs inputs, Scale scale, std::string rank) {
    inputs.scale = item(pay::scale_text(scale));
    inputs.rank = std::move(rank);
    return inputs;
}

pay::PaySlip alone(const PayInputs& inputs) {
    pay::PaySession session(".", pay::built_in_rules());
    EXPECT_EQ(session.press_ok(inputs), std::nullopt);
    return session.computed_slip();
}

struct AxisCase {
    const char* name;
    PayInputs own;
    CompareAxis axis;
    std::vector<PayInputs> rows;
    std::optional<std::size_t> current;
    std::vector<Scale> left_out;
};

std::vector<PayInputs> along(const PayInputs& own, Choice choice,
                             const std::vector<std::string>& texts) {
    std::vector<PayInputs> rows;
    rows.reserve(texts.size());
    for (const std::string& text : texts) {
        rows.push_back(with(own, choice, text));
    }
    return rows;
}

const std::vector<std::string> counts{"0", "1", "2", "3", "4", "5", "6"};

std::vector<AxisCase> axis_cases() {
    const PayInputs own = worked();
    const PayInputs exceptional_11 = on_scale(own, Scale::scale_11, exceptional);
    return {
        {"RankEveryRankOfTheChosenScale",
         own,
         CompareAxis::rank,
         along(own, Choice::rank, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", exceptional}),
         5,
         {}},
        {"ScaleEveryScaleAtTheSamePlace",
         on_scale(own, Scale::scale_9, "4"),
         CompareAxis::scale,
         {on_scale(own, Scale::scale_9, "4"), on_scale(own, Scale::scale_10, "4"),
          on_scale(own, Scale::scale_11, "4"), on_scale(own, Scale::out_of_scale, "4")},
         0,
         {}},
        // The exceptional rank stands eleventh: scale 9 and out of scale have no eleventh rank.
        {"ScaleLeavesOutScalesWithoutThatPlace",
         exceptional_11,
         CompareAxis::scale,
         {on_scale(own, Scale::scale_10, exceptional), exceptional_11},
         1,
         {Scale::scale_9, Scale::out_of_scale}},
        // Rank "12" is the thirteenth of scale 11, the only list that long.
        {"ScaleWithTheOwnScaleAlone",
         on_scale(own, Scale::scale_11, "12"),
         CompareAxis::scale,
         {on_scale(own, Scale::scale_11, "12")},
         0,
         {Scale::scale_9, Scale::scale_10, Scale::out_of_scale}},
        {"ZoneTheThreeZones",
         own,
         CompareAxis::zone,
         along(own, Choice::zone,
               {item(pay::zone_items[0]), item(pay::zone_items[1]), item(pay::zone_items[2])}),
         1,
         {}},
        // A typed zone that is no item computes with no residence allowance and marks no row.
        {"ZoneTypedMarksNoRow",
         with(own, Choice::zone, " أ"),
         CompareAxis::zone,
         along(own, Choice::zone,
               {item(pay::zone_items[0]), item(pay::zone_items[1]), item(pay::zone_items[2])}),
         std::nullopt,
         {}},
        {"ChildrenZeroToSix",
         own,
         CompareAxis::children,
         along(own, Choice::children, counts),
         2,
         {}},
        // The count reads as the number two, so the row "2" is the user's own.
        {"ChildrenArabicIndicDigitMarksItsRow",
         with(own, Choice::children, "٢"),
         CompareAxis::children,
         along(own, Choice::children, counts),
         2,
         {}},
        {"DependentsZeroToSix",
         own,
         CompareAxis::dependents,
         along(own, Choice::dependents, counts),
         3,
         {}},
    };
}

class ComparisonAlongAxis : public testing::TestWithParam<AxisCase> {};

TEST_P(ComparisonAlongAxis, EachRowIsTheSlipComputedAlone) {
    const AxisCase& c = GetParam();
    const pay::ComparisonOutcome outcome = pay::compare_pay(c.own, c.axis, pay::built_in_rules());
    ASSERT_TRUE(outcome.comparison);
    EXPECT_EQ(outcome.refusal, std::nullopt);
    const pay::Comparison& comparison = *outcome.comparison;
    EXPECT_EQ(comparison.axis, c.axis);
    EXPECT_EQ(comparison.own_slip, alone(c.own));
    EXPECT_EQ(comparison.current, c.current);
    EXPECT_EQ(comparison.left_out, c.left_out);
    ASSERT_EQ(comparison.rows.size(), c.rows.size());
    const double own_monthly = pay::shown_value(*alone(c.own).monthly_pay, 2);
    const double own_annual = pay::shown_value(*alone(c.own).annual_pay, 2);
    for (std::size_t i = 0; i < c.rows.size(); ++i) {
        SCOPED_TRACE(i);
        const pay::ComparisonRow& row = comparison.rows[i];
        EXPECT_EQ(row.inputs, c.rows[i]);
        const pay::PaySlip expected = alone(c.rows[i]);
        EXPECT_EQ(row.slip, expected);
        EXPECT_NEAR(row.monthly_difference,
                    pay::shown_value(*expected.monthly_pay, 2) - own_monthly, 1e-6);
        EXPECT_NEAR(row.annual_difference, pay::shown_value(*expected.annual_pay, 2) - own_annual,
                    1e-6);
    }
    if (c.current) {
        EXPECT_EQ(comparison.rows[*c.current].monthly_difference, 0);
        EXPECT_EQ(comparison.rows[*c.current].annual_difference, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Axes, ComparisonAlongAxis, testing::ValuesIn(axis_cases()),
                         [](const testing::TestParamInfo<AxisCase>& info) {
                             return std::string(info.param.name);
                         });

// The family allowance enters neither a deduction base nor the taxable amount, so the annual
// difference is the difference of the allowances: 2400 for each of the first three children,
// 432 for each further one, against 2 x 2400 = 4800 for the user's two.
TEST(Comparison, ChildrenDifferAsTheFamilyAllowance) {
    const auto comparison =
        pay::compare_pay(worked(), CompareAxis::children, pay::built_in_rules()).comparison;
    ASSERT_TRUE(comparison);
    const std::vector<double> annual{-4800,          -2400,         0, 2400, 2400 + 432,
                                     2400 + 2 * 432, 2400 + 3 * 432};
    ASSERT_EQ(comparison->rows.size(), annual.size());
    for (std::size_t i = 0; i < annual.size(); ++i) {
        EXPECT_DOUBLE_EQ(comparison->rows[i].annual_difference, annual[i]) << i;
        EXPECT_DOUBLE_EQ(comparison->rows[i].monthly_difference, annual[i] / 12) << i;
    }
}

// Each dependent lowers the tax by 360 a year, 30 a month, while the tax exceeds the exemption.
TEST(Comparison, DependentsDifferByTheExemption) {
    const auto comparison =
        pay::compare_pay(worked(), CompareAxis::dependents, pay::built_in_rules()).comparison;
    ASSERT_TRUE(comparison);
    ASSERT_EQ(comparison->rows.size(), 7U);
    for (std::size_t i = 0; i < 7; ++i) {
        const double dependents_more = static_cast<double>(i) - 3;
        EXPECT_DOUBLE_EQ(comparison->rows[i].annual_difference, 360 * dependents_more) << i;
        EXPECT_DOUBLE_EQ(comparison->rows[i].monthly_difference, 30 * dependents_more) << i;
    }
}

// A window that carried values into its last computation (children "2.5" keeps the family
// allowance of the press before) shows them; its comparison computes every row afresh.
TEST(Comparison, NoValueCarriesFromTheWindowIntoTheRows) {
    pay::PaySession window(".", pay::built_in_rules());
    ASSERT_EQ(window.press_ok(worked()), std::nullopt);
    ASSERT_TRUE(window.press_ok(with(worked(), Choice::zone, "")));  // refused
    const PayInputs partial = with(worked(), Choice::children, "2.5");
    ASSERT_EQ(window.press_ok(partial), std::nullopt);
    ASSERT_EQ(window.slip().family_allowance, 4800);

    const auto comparison =
        pay::compare_pay(partial, CompareAxis::rank, pay::built_in_rules()).comparison;
    ASSERT_TRUE(comparison);
    EXPECT_EQ(comparison->own_slip.family_allowance, 0);
    EXPECT_EQ(comparison->current, 5U);
    for (const pay::ComparisonRow& row : comparison->rows) {
        EXPECT_EQ(row.slip.family_allowance, 0);
        EXPECT_EQ(row.slip, alone(row.inputs));
    }
}

struct RefusedCase {
    const char* name;
    PayInputs own;
    Refusal refusal;
};

class ComparisonRefused : public testing::TestWithParam<RefusedCase> {};

TEST_P(ComparisonRefused, WhenTheOwnChoicesDoNotComputeAlone) {
    for (const CompareAxis axis : pay::all_compare_axes) {
        const pay::ComparisonOutcome outcome =
            pay::compare_pay(GetParam().own, axis, pay::built_in_rules());
        EXPECT_FALSE(outcome.comparison);
        EXPECT_EQ(outcome.refusal, GetParam().refusal);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Own, ComparisonRefused,
    testing::Values(RefusedCase{"MissingZone",
                                with(worked(), Choice::zone, ""),
                                {Refusal::Kind::missing, Choice::zone}},
                    // A typed scale finds no grid row on a fresh slip, whatever the window carried.
                    RefusedCase{"TypedScale",
                                with(worked(), Choice::scale, "10"),
                                {Refusal::Kind::refused, Choice::scale}},
                    RefusedCase{"RankOfAnotherScale",
                                with(worked(), Choice::rank, "11"),
                                {Refusal::Kind::refused, Choice::rank}},
                    RefusedCase{"ChildrenNoNumber",
                                with(worked(), Choice::children, "x"),
                                {Refusal::Kind::refused, Choice::children}}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

TEST(Comparison, AxisNames) {
    for (const CompareAxis axis : pay::all_compare_axes) {
        EXPECT_EQ(pay::axis_from_name(pay::axis_name(axis)), axis);
    }
    EXPECT_EQ(pay::axis_choice(CompareAxis::dependents), Choice::dependents);
    EXPECT_EQ(pay::axis_from_name("Rank"), std::nullopt);
    EXPECT_EQ(pay::axis_from_name("mutual_member"), std::nullopt);
    EXPECT_EQ(pay::axis_from_name(""), std::nullopt);
}

struct DifferenceCase {
    double difference;
    const char* separator;
    const char* minus;
    const char* text;
};

class DifferenceFormat : public testing::TestWithParam<DifferenceCase> {};

TEST_P(DifferenceFormat, IsSignedAsShown) {
    const DifferenceCase& c = GetParam();
    EXPECT_EQ(pay::format_difference(c.difference, c.separator, c.minus), c.text);
}

INSTANTIATE_TEST_SUITE_P(Cases, DifferenceFormat,
                         testing::Values(DifferenceCase{236, ".", "-", "+236.00"},
                                         DifferenceCase{-4800, ".", "-", "-4800.00"},
                                         DifferenceCase{-30.5, ",", "\u2212", "\u221230,50"},
                                         DifferenceCase{0, ",", "-", "0,00"},
                                         // Less than half a hundredth shows as zero, with no sign.
                                         DifferenceCase{-0.004, ".", "-", "0.00"},
                                         DifferenceCase{0.004, ".", "-", "0.00"},
                                         DifferenceCase{0.005, ".", "-", "+0.01"}));

}  // namespace
