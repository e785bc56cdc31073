#include "pay/earnings.h"

#include <gtest/gtest.h>

#include "no_trace.h"

#include <string>

#include "pay/grid.h"
#include "pay/pay_inputs.h"
#include "pay/pay_slip.h"
#include "test_inputs.h"
#include "test_names.h"

namespace {

using pay::PayInputs;
using pay::PaySlip;

// The slip as the grid step leaves it for scale 9, rank 1.
PaySlip scale_9_rank_1() {
    PaySlip slip;
    slip.index_points = 235;
    slip.hierarchy_allowance = 25212;
    slip.charges_allowance = 3660;
    slip.supervision_allowance = 0;
    return slip;
}

pay::Choices choices(std::string_view zone, std::string_view special, std::string children) {
    return test_inputs::typed({.zone = std::string(zone),
                               .special_charges = std::string(special),
                               .children = std::move(children)});
}

constexpr double base_235 = ((235 - 150) * 50.92 + 9885) + 3981;  // 18194.2

TEST(ComputeEarnings, WorkedRowWithZoneASpecialChargesAndTwoChildren) {
    PaySlip slip = scale_9_rank_1();
    pay::compute_earnings(choices(pay::zone_items[0], pay::yes_text, "2"), pay::built_in_rules(),
                          slip, test_support::no_trace());
    EXPECT_DOUBLE_EQ(slip.annual_base_salary, 18194.2);
    EXPECT_DOUBLE_EQ(slip.residence_allowance, 4548.55);         // 25 %
    EXPECT_DOUBLE_EQ(slip.special_charges_allowance, 15465.07);  // 85 %
    EXPECT_DOUBLE_EQ(slip.family_allowance, 4800);
    EXPECT_DOUBLE_EQ(*slip.gross_before_family, 18194.2 + 4548.55 + 15465.07 + 25212 + 3660 + 0);
    EXPECT_DOUBLE_EQ(slip.gross_total, 67079.82 + 4800);
}

TEST(ComputeEarnings, ZoneCWithoutSpecialCharges) {
    PaySlip slip = scale_9_rank_1();
    pay::compute_earnings(choices(pay::zone_items[2], pay::no_text, "0"), pay::built_in_rules(),
                          slip, test_support::no_trace());
    EXPECT_DOUBLE_EQ(slip.residence_allowance, 1819.42);  // a tenth of 18194.2
    EXPECT_EQ(slip.special_charges_allowance, 0);
    EXPECT_EQ(slip.family_allowance, 0);
    EXPECT_EQ(slip.gross_total, *slip.gross_before_family);
}

TEST(ComputeEarnings, ZoneBIsFifteenPercent) {
    PaySlip slip = scale_9_rank_1();
    pay::compute_earnings(choices(pay::zone_items[1], pay::no_text, "0"), pay::built_in_rules(),
                          slip, test_support::no_trace());
    EXPECT_DOUBLE_EQ(slip.residence_allowance, base_235 / 100 * 15);
}

struct FamilyCase {
    std::string children;
    double allowance;
};

class FamilyAllowance : public testing::TestWithParam<FamilyCase> {};

TEST_P(FamilyAllowance, RisesWithEveryChildUpToSix) {
    PaySlip slip = scale_9_rank_1();
    pay::compute_earnings(choices(pay::zone_items[0], pay::no_text, GetParam().children),
                          pay::built_in_rules(), slip, test_support::no_trace());
    EXPECT_EQ(slip.family_allowance, GetParam().allowance);
    EXPECT_DOUBLE_EQ(slip.gross_total, *slip.gross_before_family + GetParam().allowance);
}

// 2400 for each of the first three children, 432 for each further child.
INSTANTIATE_TEST_SUITE_P(Children, FamilyAllowance,
                         testing::Values(FamilyCase{"0", 0}, FamilyCase{"1", 2400},
                                         FamilyCase{"2", 4800}, FamilyCase{"3", 7200},
                                         FamilyCase{"4", 7200 + 432}, FamilyCase{"5", 7200 + 864},
                                         FamilyCase{"6", 7200 + 1296}, FamilyCase{"\u0663", 7200},
                                         FamilyCase{"4.0", 7632}),
                         [](const testing::TestParamInfo<FamilyCase>& info) {
                             return "children_" + test_names::from_text(info.param.children);
                         });

// The earnings of the worked slip's 235 points in zone A, without special charges.
pay::PaySlip earnings_of(double index_points, int children) {
    pay::PaySlip slip;
    slip.index_points = index_points;
    pay::compute_earnings(choices(pay::zone_items[0], pay::no_text, std::to_string(children)),
                          pay::built_in_rules(), slip, test_support::no_trace());
    return slip;
}

TEST(FamilyAllowance, NeverFallsWhenAChildIsAdded) {
    for (int children = 1; children <= pay::max_count; ++children) {
        EXPECT_GT(earnings_of(235, children).family_allowance,
                  earnings_of(235, children - 1).family_allowance);
    }
}

enum class Kept { residence, special_charges, family };

struct UnwrittenCase {
    const char* name;
    pay::Choices inputs;
    Kept kept;
};

class UnmatchedChoice : public testing::TestWithParam<UnwrittenCase> {};

// A text that matches none of a rule's cases leaves its field as it was; the totals still add it.
TEST_P(UnmatchedChoice, LeavesItsFieldAndFeedsTheTotals) {
    PaySlip slip = scale_9_rank_1();
    slip.residence_allowance = 11.11;
    slip.special_charges_allowance = 22.22;
    slip.family_allowance = 33.33;
    pay::compute_earnings(GetParam().inputs, pay::built_in_rules(), slip, test_support::no_trace());
    EXPECT_EQ(slip.residence_allowance == 11.11, GetParam().kept == Kept::residence);
    EXPECT_EQ(slip.special_charges_allowance == 22.22, GetParam().kept == Kept::special_charges);
    EXPECT_EQ(slip.family_allowance == 33.33, GetParam().kept == Kept::family);
    EXPECT_DOUBLE_EQ(*slip.gross_before_family, base_235 + slip.residence_allowance +
                                                    slip.special_charges_allowance + 25212 + 3660);
    EXPECT_DOUBLE_EQ(slip.gross_total, *slip.gross_before_family + slip.family_allowance);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UnmatchedChoice,
    testing::Values(UnwrittenCase{"AlefWithoutHamza", choices("\u0627", pay::no_text, "1"),
                                  Kept::residence},
                    UnwrittenCase{"SpecialChargesTypedYes", choices(pay::zone_items[0], "yes", "1"),
                                  Kept::special_charges},
                    UnwrittenCase{"SevenChildren", choices(pay::zone_items[0], pay::no_text, "7"),
                                  Kept::family},
                    UnwrittenCase{"FractionOfAChild",
                                  choices(pay::zone_items[0], pay::no_text, "2.5"), Kept::family},
                    UnwrittenCase{"NegativeChildren",
                                  choices(pay::zone_items[0], pay::no_text, "-1"), Kept::family}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BaseSalary, IsBoundedByTheLowestAndHighestIndexPoints) {
    EXPECT_DOUBLE_EQ(earnings_of(235, 0).annual_base_salary, 18194.2);
    EXPECT_DOUBLE_EQ(earnings_of(930, 0).annual_base_salary,
                     (930 - 150) * 50.92 + 9885 + 3981);  // 53583.6
}

}  // namespace
