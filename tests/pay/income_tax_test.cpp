#include "pay/income_tax.h"

#include <gtest/gtest.h>

#include "no_trace.h"

#include <string>

#include "pay/amount_format.h"
#include "pay/pay_inputs.h"
#include "pay/pay_slip.h"
#include "test_inputs.h"
#include "test_names.h"

namespace {

using pay::PaySlip;

// A slip whose taxable amount is `taxable`: with earnings of 400000 the professional deduction
// is at its ceiling of 30000, and the retirement contribution takes up the rest.
PaySlip slip_taxed_on(double taxable) {
    PaySlip slip;
    slip.gross_before_family = 400000;
    slip.gross_total = 400000;
    slip.retirement = 400000 - 30000 - taxable;
    return slip;
}

pay::Choices dependents(std::string text) {
    return test_inputs::typed({.dependents = std::move(text)});
}

struct BracketCase {
    double taxable;
    double gross_tax;
    const char* label;
};

class TaxBrackets : public testing::TestWithParam<BracketCase> {};

TEST_P(TaxBrackets, ThresholdsBelongToTheLowerBracket) {
    PaySlip slip = slip_taxed_on(GetParam().taxable);
    pay::compute_income_tax(dependents("0"), pay::built_in_rules(), slip, test_support::no_trace());
    EXPECT_DOUBLE_EQ(slip.taxable_amount, GetParam().taxable);
    EXPECT_NEAR(slip.income_tax, GetParam().gross_tax, 1e-9);
    EXPECT_EQ(slip.tax_rate_label, GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(
    Thresholds, TaxBrackets,
    testing::Values(BracketCase{20000, 0, "0 %"}, BracketCase{30000, 0, "0 %"},
                    BracketCase{30000.01, 0.001, "10 %"},
                    BracketCase{50000, (50000 - 30000) / 100.0 * 10, "10 %"},
                    BracketCase{50000.01, 0.002 + 2000, "20 %"},
                    BracketCase{60000, (60000 - 50000) / 100.0 * 20 + 2000, "20 %"},
                    BracketCase{60000.01, 0.003 + 4000, "30 %"},
                    BracketCase{80000, (80000 - 60000) / 100.0 * 30 + 4000, "30 %"},
                    BracketCase{80000.01, 0.0034 + 10000, "34 %"},
                    BracketCase{180000, (180000 - 80000) / 100.0 * 34 + 10000, "34 %"},
                    BracketCase{180000.01, 0.0038 + 44000, "38 %"},
                    BracketCase{200000, (200000 - 180000) / 100.0 * 38 + 44000, "38 %"}),
    [](const testing::TestParamInfo<BracketCase>& info) {
        return "taxable_" + test_names::from_amount(info.param.taxable);
    });

TEST(TaxBrackets, GrossTaxHasNoJumpAtAnyThreshold) {
    for (std::size_t i = 1; i + 1 < pay::built_in_rules().income_tax.brackets.size(); ++i) {
        const pay::TaxBracket& below = pay::built_in_rules().income_tax.brackets[i];
        const pay::TaxBracket& above = pay::built_in_rules().income_tax.brackets[i + 1];
        EXPECT_DOUBLE_EQ((above.lower - below.lower) / 100 * below.rate + below.base_amount,
                         above.base_amount);
    }
}

struct ProfessionalCase {
    double gross;
    double taxable;
};

class ProfessionalDeduction : public testing::TestWithParam<ProfessionalCase> {};

TEST_P(ProfessionalDeduction, IsTwentyPercentUpToItsCeiling) {
    PaySlip slip;
    slip.gross_before_family = GetParam().gross;
    pay::compute_income_tax(dependents("0"), pay::built_in_rules(), slip, test_support::no_trace());
    EXPECT_DOUBLE_EQ(slip.taxable_amount, GetParam().taxable);
}

INSTANTIATE_TEST_SUITE_P(Gross, ProfessionalDeduction,
                         testing::Values(ProfessionalCase{100000, 100000 - 20000},
                                         ProfessionalCase{150000, 150000 - 30000},
                                         ProfessionalCase{200000, 200000 - 30000}),
                         [](const testing::TestParamInfo<ProfessionalCase>& info) {
                             return "gross_" + test_names::from_amount(info.param.gross);
                         });

TEST(ProfessionalDeduction, SocialDeductionsButNotTheFoundationReduceTheTaxableAmount) {
    PaySlip slip;
    slip.gross_before_family = 100000;
    slip.retirement = 1000;
    slip.health_insurance = 200;
    slip.general_mutual = 30;
    slip.mutual_fund = 1500;
    slip.foundation_contribution = 80;
    pay::compute_income_tax(dependents("0"), pay::built_in_rules(), slip, test_support::no_trace());
    EXPECT_DOUBLE_EQ(slip.taxable_amount, 100000 - (1000 + 20000 + 200 + 30 + 1500));
}

struct ExemptionCase {
    double taxable;
    const char* dependents;
    double exemption;
    double income_tax;
};

class FamilyExemption : public testing::TestWithParam<ExemptionCase> {};

TEST_P(FamilyExemption, IsLimitedToTheGrossTax) {
    PaySlip slip = slip_taxed_on(GetParam().taxable);
    pay::compute_income_tax(dependents(GetParam().dependents), pay::built_in_rules(), slip,
                            test_support::no_trace());
    EXPECT_DOUBLE_EQ(slip.family_exemption, GetParam().exemption);
    EXPECT_NEAR(slip.income_tax, GetParam().income_tax, 1e-9);
    EXPECT_GE(slip.income_tax, 0);
}

// A taxable amount of 39750 gives a gross tax of 975.
INSTANTIATE_TEST_SUITE_P(Dependents, FamilyExemption,
                         testing::Values(ExemptionCase{39750, "2", 720, 975 - 720},
                                         ExemptionCase{39750, "3", 975, 0},
                                         ExemptionCase{39750, "0", 0, 975},
                                         ExemptionCase{100000, "6", 2160, 16800 - 2160},
                                         ExemptionCase{30000, "6", 0, 0},
                                         ExemptionCase{25000, "1", 0, 0}),
                         [](const testing::TestParamInfo<ExemptionCase>& info) {
                             return "taxable_" + test_names::from_amount(info.param.taxable) +
                                    "_dependents_" + test_names::from_text(info.param.dependents);
                         });

TEST(NetPay, AddsEveryDeductionAndTheFoundation) {
    PaySlip slip;
    slip.gross_total = 100000;
    slip.income_tax = 5000;
    slip.retirement = 8000;
    slip.foundation_contribution = 80;
    slip.health_insurance = 2000;
    slip.general_mutual = 600;
    slip.mutual_fund = 1500;
    pay::compute_net_pay(pay::built_in_rules(), slip, test_support::no_trace());
    EXPECT_DOUBLE_EQ(slip.total_deductions, 5000 + 8000 + 80 + 2000 + 600 + 1500);
    EXPECT_DOUBLE_EQ(*slip.annual_pay, 100000 - 17180);
    EXPECT_DOUBLE_EQ(*slip.monthly_pay, (100000 - 17180) / 12.0);
}

TEST(NetPay, MonthlyPayComesFromTheFullAnnualDifference) {
    PaySlip slip;
    slip.gross_total = 1000.0599;
    slip.retirement = 1000;
    pay::compute_net_pay(pay::built_in_rules(), slip, test_support::no_trace());
    // 0.0599 shows as 0.06, and 0.06 / 12 would show as 0.01; 0.0599 / 12 shows as 0.00.
    EXPECT_EQ(pay::format_amount(*slip.annual_pay), "0.06");
    EXPECT_EQ(pay::format_amount(*slip.monthly_pay), "0.00");
}

}  // namespace
