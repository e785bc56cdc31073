#include "pay/slip_fields.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using pay::SlipField;

TEST(AmountOf, ReadsTheAmountAFieldShows) {
    pay::PaySlip slip;
    slip.annual_base_salary = 18194.2;
    slip.mutual_fund = 1500;
    slip.monthly_pay = 5222.42;
    slip.tax_rate_label = "10 %";
    EXPECT_EQ(pay::amount_of(slip, SlipField::annual_base_salary), 18194.2);
    EXPECT_EQ(pay::amount_of(slip, SlipField::mutual_fund), 1500);
    EXPECT_EQ(pay::amount_of(slip, SlipField::monthly_pay), 5222.42);
    EXPECT_EQ(pay::amount_of(slip, SlipField::residence_allowance), 0);
}

TEST(AmountOf, HasNoneForAnEmptyFieldOrTheRateLabel) {
    const pay::PaySlip slip;
    EXPECT_EQ(pay::amount_of(slip, SlipField::index_points), std::nullopt);
    EXPECT_EQ(pay::amount_of(slip, SlipField::annual_pay), std::nullopt);
    EXPECT_EQ(pay::amount_of(slip, SlipField::tax_rate_label), std::nullopt);
}

}  // namespace
