#include "pay/social_deductions.h"

#include <gtest/gtest.h>

#include "no_trace.h"

#include <string>

#include "pay/pay_inputs.h"
#include "pay/pay_slip.h"
#include "test_inputs.h"

namespace {

using pay::PaySlip;

PaySlip slip_with(double base, double hierarchy, double charges, double supervision) {
    PaySlip slip;
    slip.annual_base_salary = base;
    slip.hierarchy_allowance = hierarchy;
    slip.charges_allowance = charges;
    slip.supervision_allowance = supervision;
    return slip;
}

pay::Choices member(std::string_view text) {
    return test_inputs::typed({.mutual_member = std::string(text)});
}

TEST(SocialDeductions, Scale10Rank6Member) {
    const double base = ((402 - 150) * 50.92 + 9885) + 3981;  // 26697.84
    PaySlip slip = slip_with(base, 27000, 12000, 8400);
    pay::compute_social_deductions(member(pay::yes_text), pay::built_in_rules(), slip,
                                   test_support::no_trace());
    const double contribution_base = base / 100 * 10 + base + 27000 + 12000 + 8400;  // 76767.624
    EXPECT_DOUBLE_EQ(slip.retirement, 7676.7624);
    EXPECT_DOUBLE_EQ(slip.retirement, contribution_base / 10);
    EXPECT_DOUBLE_EQ(slip.health_insurance, 1919.1906);
    EXPECT_DOUBLE_EQ(slip.general_mutual, 480.56112);  // 1.8 % of the base salary alone
    EXPECT_EQ(slip.mutual_fund, 1500);
}

TEST(SocialDeductions, NonMemberPaysNoMutual) {
    PaySlip slip = slip_with(53583.6, 76800, 12000, 66000);
    pay::compute_social_deductions(member(pay::no_text), pay::built_in_rules(), slip,
                                   test_support::no_trace());
    EXPECT_EQ(slip.general_mutual, 0);
    EXPECT_EQ(slip.mutual_fund, 0);
}

struct CeilingCase {
    const char* name;
    double base;
    double allowances;
    double health_insurance;
    double general_mutual;
};

class Ceilings : public testing::TestWithParam<CeilingCase> {};

TEST_P(Ceilings, ReplaceAnAmountThatReachesThem) {
    PaySlip slip = slip_with(GetParam().base, GetParam().allowances, 0, 0);
    pay::compute_social_deductions(member(pay::yes_text), pay::built_in_rules(), slip,
                                   test_support::no_trace());
    EXPECT_DOUBLE_EQ(slip.health_insurance, GetParam().health_insurance);
    EXPECT_DOUBLE_EQ(slip.general_mutual, GetParam().general_mutual);
    // Retirement has no ceiling.
    EXPECT_DOUBLE_EQ(slip.retirement, (GetParam().base * 1.1 + GetParam().allowances) / 10);
}

INSTANTIATE_TEST_SUITE_P(Amounts, Ceilings,
                         testing::Values(
                             // Contribution base 192000: 2.5 % is exactly the ceiling.
                             CeilingCase{"HealthAtCeiling", 100000, 82000, 4800, 600},
                             CeilingCase{"HealthJustBelow", 100000, 81999, 191999 / 100.0 * 2.5,
                                         600},
                             CeilingCase{"HealthFarAbove", 300000, 0, 4800, 600},
                             CeilingCase{"MutualBelowCeiling", 30000, 0, 33000 / 100.0 * 2.5, 540},
                             CeilingCase{"MutualAboveCeiling", 40000, 0, 44000 / 100.0 * 2.5, 600}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SocialDeductions, AnotherMutualTextLeavesBothMutualFields) {
    PaySlip slip = slip_with(30000, 0, 0, 0);
    slip.general_mutual = 12.34;
    slip.mutual_fund = 1500;
    pay::compute_social_deductions(member("Yes"), pay::built_in_rules(), slip,
                                   test_support::no_trace());
    EXPECT_EQ(slip.general_mutual, 12.34);
    EXPECT_EQ(slip.mutual_fund, 1500);
}

TEST(SocialDeductions, IgnoreTheEarningsAllowances) {
    PaySlip plain = slip_with(26697.84, 27000, 12000, 8400);
    PaySlip rich = plain;
    rich.residence_allowance = 9999;
    rich.special_charges_allowance = 8888;
    rich.family_allowance = 7777;
    pay::compute_social_deductions(member(pay::yes_text), pay::built_in_rules(), plain,
                                   test_support::no_trace());
    pay::compute_social_deductions(member(pay::yes_text), pay::built_in_rules(), rich,
                                   test_support::no_trace());
    EXPECT_EQ(plain.retirement, rich.retirement);
    EXPECT_EQ(plain.health_insurance, rich.health_insurance);
    EXPECT_EQ(plain.general_mutual, rich.general_mutual);
}

}  // namespace
