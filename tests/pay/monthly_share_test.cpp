#include "pay/monthly_share.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "pay/pay_inputs.h"
#include "pay/pay_session.h"
#include "worked_slip.h"

namespace {

using pay::SlipField;

// Scale 9, rank 1 (235 points), zone C, no special charges, 2 children, 3 dependents, member.
pay::PaySession worked_session(std::string_view separator) {
    pay::PaySession session(separator);
    const auto refusal = session.press_ok(test_support::worked_slip_inputs());
    EXPECT_FALSE(refusal.has_value());
    return session;
}

struct ShareCase {
    SlipField field;
    std::optional<std::string> twelfth;
};

class MonthlyShare : public testing::TestWithParam<ShareCase> {};

TEST_P(MonthlyShare, IsTheTwelfthOfTheShownYearlyAmount) {
    const pay::PaySession session = worked_session(",");
    EXPECT_EQ(pay::monthly_share_text(session.slip(), GetParam().field, ","), GetParam().twelfth);
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
                    ShareCase{SlipField::index_points, std::nullopt},
                    ShareCase{SlipField::tax_rate_label, std::nullopt},
                    ShareCase{SlipField::monthly_pay, std::nullopt}));

TEST(MonthlyShare, HasNothingForAPayNotYetComputed) {
    const pay::PaySession session;
    EXPECT_EQ(pay::monthly_share_text(session.slip(), SlipField::annual_pay, "."), std::nullopt);
    EXPECT_EQ(pay::monthly_share_text(session.slip(), SlipField::retirement, "."), "0.00");
}

}  // namespace
