#include "pay/slip_view.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "pay/pay_inputs.h"
#include "pay/pay_session.h"
#include "pay/rule_facts.h"
#include "worked_slip.h"

namespace {

using pay::SlipField;

// Scale 9, rank 1 (235 points), zone C, no special charges, 2 children, 3 dependents, member.
pay::PaySession worked_session(std::string_view separator) {
    pay::PaySession session(separator, pay::built_in_rules());
    const auto refusal = session.press_ok(test_support::worked_slip_inputs());
    EXPECT_FALSE(refusal.has_value());
    return session;
}

struct ShareCase {
    SlipField field;
    std::string twelfth;
};

class MonthlyShare : public testing::TestWithParam<ShareCase> {};

TEST_P(MonthlyShare, IsTheTwelfthOfTheShownYearlyAmount) {
    const pay::PaySession session = worked_session(",");
    const pay::SlipView view = pay::view_slip(session, pay::ViewDetail::amounts);
    EXPECT_EQ(view.field(GetParam().field).monthly_text, GetParam().twelfth);
    EXPECT_EQ(view.field(GetParam().field).monthly.has_value(), !GetParam().twelfth.empty());
}

// The shown yearly amounts of that slip, divided by 12 and rounded half away from zero.
INSTANTIATE_TEST_SUITE_P(
    WorkedSlip, MonthlyShare,
    testing::Values(ShareCase{SlipField::annual_base_salary, "1516,18"},  // 18194.20 / 12
                    ShareCase{SlipField::residence_allowance, "151,62"},  // 1819.42 / 12
                    ShareCase{SlipField::special_charges_allowance, "0,00"},
                    ShareCase{SlipField::family_allowance, "400,00"},  // 4800 / 12
                    ShareCase{SlipField::gross_total, "4473,80"},      // 53685.62 / 12
                    ShareCase{SlipField::retirement, "407,38"},        // 4888.56 / 12
                    // The whole-number fund still has a twelfth in cents: 1500 / 12.
                    ShareCase{SlipField::mutual_fund, "125,00"},
                    ShareCase{SlipField::foundation_contribution, "5,00"},  // 60 / 12
                    // 45687.42 / 12 = 3807.285 exactly: the half goes up.
                    ShareCase{SlipField::annual_pay, "3807,29"},
                    // Points, the rate label and the monthly pay are no yearly amounts.
                    ShareCase{SlipField::index_points, ""},
                    ShareCase{SlipField::tax_rate_label, ""},
                    ShareCase{SlipField::monthly_pay, ""}));

TEST(SlipView, HasNothingComputedBeforeTheFirstPress) {
    const pay::PaySession session(".", pay::built_in_rules());
    const pay::SlipView view = pay::view_slip(session, pay::ViewDetail::explained);
    EXPECT_FALSE(view.choices);
    EXPECT_FALSE(view.bracket);
    EXPECT_EQ(view.field(SlipField::annual_pay).monthly, std::nullopt);
    // The start value "0" is a yearly amount of nothing a month.
    EXPECT_EQ(view.field(SlipField::retirement).monthly_text, "0.00");
    for (const pay::FieldView& field : view.fields) {
        EXPECT_EQ(field.state, pay::ExplanationKind::not_computed);
        EXPECT_EQ(field.explanation.kind, pay::ExplanationKind::not_computed);
    }
}

TEST(SlipView, TellsAKeptFieldFromAWrittenOne) {
    pay::PaySession session = worked_session(".");
    pay::PayInputs typed = test_support::worked_slip_inputs();
    typed.zone = "D";  // no zone of the list: the residence allowance keeps its amount
    ASSERT_FALSE(session.press_ok(typed));
    const pay::SlipView view = pay::view_slip(session, pay::ViewDetail::amounts);
    EXPECT_EQ(view.field(SlipField::residence_allowance).state, pay::ExplanationKind::kept);
    EXPECT_EQ(view.field(SlipField::residence_allowance).text, "1819.42");
    EXPECT_EQ(view.field(SlipField::annual_base_salary).state, pay::ExplanationKind::computed);
    EXPECT_EQ(view.choices->zone, "D");
}

// The bracket is the one the tax step took, not one looked up again on the shown amount.
TEST(SlipView, TheBracketIsTheComputations) {
    pay::PayRules rules = pay::built_in_rules();
    // Scale 9, rank 1, zone A, special charges, no children or dependents, not a member: the
    // taxable amount shows as 47553.15 but lies a hair above it in the computation.
    rules.income_tax.brackets.at(1).lower = 47553.15;
    pay::PaySession session(".", rules);
    const pay::PayInputs inputs = test_support::bracket_edge_inputs();
    ASSERT_FALSE(session.press_ok(inputs));
    ASSERT_EQ(session.text(SlipField::taxable_amount), "47553.15");
    const pay::SlipView view = pay::view_slip(session, pay::ViewDetail::amounts);
    ASSERT_TRUE(view.bracket);
    EXPECT_EQ(view.bracket->label, session.text(SlipField::tax_rate_label));
    EXPECT_EQ(view.bracket->index, 1U);
    EXPECT_EQ(view.bracket->lower, 47553.15);
    EXPECT_EQ(view.bracket->upper, 50000.0);
    EXPECT_FALSE(view.bracket->lowest());
}

TEST(SlipView, TheWorkedSlipFallsInTheSecondBracket) {
    const pay::SlipView view = pay::view_slip(worked_session("."), pay::ViewDetail::amounts);
    ASSERT_TRUE(view.bracket);
    // 31170.30 is above 30000 and not above 50000: 10 %.
    EXPECT_EQ(view.bracket->index, 1U);
    EXPECT_EQ(view.bracket->rate, 10.0);
    EXPECT_EQ(view.bracket->upper, 50000.0);
}

TEST(SlipView, ALastBracketHasNoUpperBound) {
    pay::PayRules rules = pay::built_in_rules();
    rules.income_tax.brackets.resize(1);  // one bracket: every amount in it
    rules.income_tax.brackets.front().rate = 0;
    pay::PaySession session(".", rules);
    ASSERT_FALSE(session.press_ok(test_support::worked_slip_inputs()));
    const pay::SlipView view = pay::view_slip(session, pay::ViewDetail::amounts);
    ASSERT_TRUE(view.bracket);
    EXPECT_TRUE(view.bracket->lowest());
    EXPECT_EQ(view.bracket->upper, std::nullopt);
}

struct BandCase {
    int first_children;
    std::vector<pay::FamilyBand> bands;
};

class FamilyBands : public testing::TestWithParam<BandCase> {};

// First children paid 300 a year each, further ones 200, over 12 months; the list counts up to 6.
TEST_P(FamilyBands, CoverEveryCountedChildOnce) {
    pay::PayRules rules = pay::built_in_rules();
    rules.family_allowance = {.first_children = GetParam().first_children,
                              .first_child_amount = 300,
                              .further_child_amount = 200};
    rules.months_per_year = 12;
    EXPECT_EQ(pay::family_bands(rules), GetParam().bands);
}

// 200 / 12 to 15 significant digits, as a step stores it.
constexpr double further_monthly = 16.6666666666667;

INSTANTIATE_TEST_SUITE_P(
    AtTheEdges, FamilyBands,
    testing::Values(BandCase{0, {{1, 6, {200, further_monthly}}}},
                    BandCase{1, {{1, 1, {300, 25}}, {2, 6, {200, further_monthly}}}},
                    BandCase{3, {{1, 3, {300, 25}}, {4, 6, {200, further_monthly}}}},
                    BandCase{5, {{1, 5, {300, 25}}, {6, 6, {200, further_monthly}}}}));

TEST(RuleFacts, MonthlySharesFollowTheMonthsOfTheRules) {
    pay::PayRules rules = pay::built_in_rules();
    rules.months_per_year = 1;
    EXPECT_EQ(pay::monthly_share(1234.56, rules), 1234.56);
    rules.months_per_year = 24;
    EXPECT_EQ(pay::monthly_share(4800, rules), 200);
    // Six dependents at most, 360 each.
    rules.income_tax.exemption_per_dependent = 360;
    EXPECT_EQ(pay::largest_family_exemption(rules), 6 * 360);
}

}  // namespace
