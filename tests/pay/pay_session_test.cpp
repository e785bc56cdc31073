#include "pay/pay_session.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "pay/explanation.h"
#include "pay/pay_inputs.h"
#include "pay/rules.h"
#include "test_inputs.h"
#include "worded_slip.h"

namespace {

using pay::Choice;
using pay::PayInputs;
using pay::PaySession;
using pay::Refusal;
using pay::Scale;
using pay::SlipField;
using test_inputs::item;
using test_inputs::scale_9;

const std::string_view zone_a = pay::zone_items[0];
const std::string_view zone_b = pay::zone_items[1];
const std::string_view zone_c = pay::zone_items[2];

TEST(PaySession, StartsWithTheStartTexts) {
    const PaySession session(".", pay::built_in_rules());
    EXPECT_EQ(session.text(SlipField::index_points), "");
    EXPECT_EQ(session.text(SlipField::annual_pay), "");
    EXPECT_EQ(session.text(SlipField::monthly_pay), "");
    EXPECT_EQ(session.text(SlipField::tax_rate_label), "0");
    EXPECT_EQ(session.text(SlipField::gross_total), "0");
    EXPECT_EQ(session.text(SlipField::mutual_fund), "0");
}

// Scale 9, rank 1 (235 points), zone A, special charges, two children, one dependent, member.
TEST(PaySession, ShowsAWorkedSlip) {
    PaySession session(".", pay::built_in_rules());
    ASSERT_EQ(session.press_ok(scale_9("1", zone_a, pay::yes_text, "2", "1", pay::yes_text)),
              std::nullopt);
    const auto text = [&](SlipField field) { return session.text(field); };
    EXPECT_EQ(text(SlipField::index_points), "235.00");
    EXPECT_EQ(text(SlipField::annual_base_salary), "18194.20");  // (85 x 50.92 + 9885) + 3981
    EXPECT_EQ(text(SlipField::residence_allowance), "4548.55");
    EXPECT_EQ(text(SlipField::special_charges_allowance), "15465.07");
    EXPECT_EQ(text(SlipField::hierarchy_allowance), "25212.00");
    EXPECT_EQ(text(SlipField::charges_allowance), "3660.00");
    EXPECT_EQ(text(SlipField::supervision_allowance), "0.00");
    EXPECT_EQ(text(SlipField::family_allowance), "4800.00");
    EXPECT_EQ(text(SlipField::gross_total), "71879.82");
    // Contribution base 1819.42 + 18194.2 + 25212 + 3660 = 48885.62.
    EXPECT_EQ(text(SlipField::retirement), "4888.56");        // 4888.562
    EXPECT_EQ(text(SlipField::health_insurance), "1222.14");  // 1222.1405
    EXPECT_EQ(text(SlipField::general_mutual), "327.50");     // 327.4956
    EXPECT_EQ(text(SlipField::mutual_fund), "1500");
    EXPECT_EQ(text(SlipField::foundation_contribution), "60.00");
    // 67079.82 - (4888.562 + 13415.964 + 1222.1405 + 327.4956 + 1500) = 45725.6579
    EXPECT_EQ(text(SlipField::taxable_amount), "45725.66");
    EXPECT_EQ(text(SlipField::tax_rate_label), "10 %");
    EXPECT_EQ(text(SlipField::family_exemption), "360.00");
    EXPECT_EQ(text(SlipField::income_tax), "1212.57");  // 1572.56579 - 360
    // 1212.56579 + 4888.562 + 60 + 1222.1405 + 327.4956 + 1500 = 9210.76389
    EXPECT_EQ(text(SlipField::total_deductions), "9210.76");
    EXPECT_EQ(text(SlipField::annual_pay), "62669.06");  // 62669.05611
    EXPECT_EQ(text(SlipField::monthly_pay), "5222.42");  // 5222.42134...
}

TEST(PaySession, ShowsTheGivenDecimalSeparator) {
    PaySession session(",", pay::built_in_rules());
    ASSERT_EQ(session.press_ok(scale_9("1", zone_a, pay::yes_text, "2", "1", pay::yes_text)),
              std::nullopt);
    EXPECT_EQ(session.text(SlipField::annual_base_salary), "18194,20");
    EXPECT_EQ(session.text(SlipField::monthly_pay), "5222,42");
    EXPECT_EQ(session.text(SlipField::mutual_fund), "1500");
    EXPECT_EQ(session.text(SlipField::tax_rate_label), "10 %");
}

TEST(PaySession, ARefusedPressChangesNothing) {
    PaySession session(".", pay::built_in_rules());
    ASSERT_EQ(session.press_ok(scale_9("2", zone_c, pay::yes_text, "0", "0", pay::no_text)),
              std::nullopt);
    const PaySession before = session;
    PayInputs missing_zone = scale_9("2", "", pay::yes_text, "0", "0", pay::no_text);
    EXPECT_EQ(session.press_ok(missing_zone), (Refusal{Refusal::Kind::missing, Choice::zone}));
    PayInputs bad_children = scale_9("2", zone_c, pay::yes_text, "x", "0", pay::no_text);
    EXPECT_EQ(session.press_ok(bad_children), (Refusal{Refusal::Kind::refused, Choice::children}));
    EXPECT_EQ(session.slip(), before.slip());
    EXPECT_EQ(session.shown(), before.shown());
}

TEST(PaySession, ARefusedFirstPressKeepsTheStartTexts) {
    PaySession session(".", pay::built_in_rules());
    PayInputs typed_scale = scale_9("1", zone_a, pay::no_text, "0", "0", pay::no_text);
    typed_scale.scale = "9";
    EXPECT_EQ(session.press_ok(typed_scale), (Refusal{Refusal::Kind::refused, Choice::scale}));
    EXPECT_EQ(session.shown(), pay::start_texts());
}

TEST(PaySession, KeepsTheChoicesOfTheLastComputation) {
    PaySession session(".", pay::built_in_rules());
    EXPECT_EQ(session.computed_inputs(), std::nullopt);
    const PayInputs missing_zone = scale_9("2", "", pay::yes_text, "0", "0", pay::no_text);
    ASSERT_NE(session.press_ok(missing_zone), std::nullopt);
    EXPECT_EQ(session.computed_inputs(), std::nullopt);

    const PayInputs first = scale_9("2", zone_c, pay::yes_text, "0", "0", pay::no_text);
    ASSERT_EQ(session.press_ok(first), std::nullopt);
    EXPECT_EQ(session.computed_inputs(), first);
    const PayInputs second = scale_9("3", zone_a, pay::no_text, "1", "1", pay::yes_text);
    ASSERT_EQ(session.press_ok(second), std::nullopt);
    EXPECT_EQ(session.computed_inputs(), second);

    // Refused: the shown texts still come from the second press.
    const PayInputs bad_children = scale_9("4", zone_b, pay::no_text, "x", "0", pay::no_text);
    ASSERT_NE(session.press_ok(bad_children), std::nullopt);
    EXPECT_EQ(session.computed_inputs(), second);
}

// Lists as a window holds them: each rank list keeps its own text while hidden.
struct ReadCase {
    const char* name;
    std::string scale;
    std::string rank;
};

class ReadChoices : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadChoices, ReadsTheRankOfTheNamedScaleOnly) {
    const auto list_text = [&](Choice choice) -> std::string {
        switch (choice) {
            case Choice::scale:
                return GetParam().scale;
            case Choice::rank:
                ADD_FAILURE() << "the rank comes from a rank list";
                return "wrong";
            default:
                return "text of " + std::string(pay::choice_name(choice));
        }
    };
    std::vector<Scale> asked;
    const auto rank_list_text = [&](Scale scale) {
        asked.push_back(scale);
        return "rank list " + std::to_string(static_cast<int>(scale));
    };
    const pay::ListPress press = pay::press_from_lists(list_text, rank_list_text);
    const PayInputs& read = press.texts;
    EXPECT_EQ(press.scale.has_value(), !GetParam().rank.empty());
    EXPECT_EQ(read.scale, GetParam().scale);
    EXPECT_EQ(read.rank, GetParam().rank);
    EXPECT_EQ(asked.size(), GetParam().rank.empty() ? 0U : 1U);
    EXPECT_EQ(read.zone, "text of zone");
    EXPECT_EQ(read.special_charges, "text of special_charges");
    EXPECT_EQ(read.children, "text of children");
    EXPECT_EQ(read.dependents, "text of dependents");
    EXPECT_EQ(read.mutual_member, "text of mutual_member");
}

INSTANTIATE_TEST_SUITE_P(
    PaySession, ReadChoices,
    testing::Values(
        ReadCase{"Scale9", item(pay::scale_text(Scale::scale_9)), "rank list 0"},
        ReadCase{"Scale11", item(pay::scale_text(Scale::scale_11)), "rank list 2"},
        ReadCase{"OutOfScale", item(pay::scale_text(Scale::out_of_scale)), "rank list 3"},
        ReadCase{"TypedScaleReadsNoRank", "9", ""},
        ReadCase{"TrailingSpaceReadsNoRank", item(pay::scale_text(Scale::scale_10)) + " ", ""},
        ReadCase{"EmptyScaleReadsNoRank", "", ""}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

// A typed scale "9" finds no row, so the second computation goes on with the first one's row.
TEST(CarriedValues, ATypedScaleKeepsTheGridFields) {
    PaySession session(".", pay::built_in_rules());
    ASSERT_EQ(session.press_ok(scale_9("1", zone_a, pay::no_text, "0", "0", pay::no_text)),
              std::nullopt);
    PayInputs typed = scale_9("1", zone_b, pay::no_text, "0", "0", pay::no_text);
    typed.scale = "9";
    ASSERT_EQ(session.press_ok(typed), std::nullopt);
    EXPECT_EQ(session.text(SlipField::index_points), "235.00");
    EXPECT_EQ(session.text(SlipField::annual_base_salary), "18194.20");
    EXPECT_EQ(session.text(SlipField::residence_allowance), "2729.13");  // 15 % of 18194.2
    EXPECT_EQ(session.text(SlipField::hierarchy_allowance), "25212.00");
    EXPECT_EQ(session.text(SlipField::foundation_contribution), "60.00");
}

// Rank 2 of scale 9: base salary 19110.76, so zone C gives 1911.076, shown as 1911.08.
TEST(CarriedValues, AnUnwrittenFieldCarriesItsShownValue) {
    PaySession session(".", pay::built_in_rules());
    ASSERT_EQ(session.press_ok(scale_9("2", zone_c, pay::yes_text, "0", "0", pay::no_text)),
              std::nullopt);
    EXPECT_EQ(session.text(SlipField::residence_allowance), "1911.08");
    // 19110.76 + 1911.076 + 16244.146 + 25212 + 3660 = 66137.982
    EXPECT_EQ(session.text(SlipField::gross_total), "66137.98");

    // An alef without hamza is no zone: the residence allowance keeps its shown 1911.08.
    ASSERT_EQ(session.press_ok(scale_9("2", "\u0627", pay::yes_text, "0", "0", pay::no_text)),
              std::nullopt);
    EXPECT_EQ(session.text(SlipField::residence_allowance), "1911.08");
    // 19110.76 + 1911.08 + 16244.146 + 25212 + 3660 = 66137.986
    EXPECT_EQ(session.text(SlipField::gross_total), "66137.99");
}

TEST(CarriedValues, OtherUnmatchedTextsKeepTheirFields) {
    PaySession session(".", pay::built_in_rules());
    ASSERT_EQ(session.press_ok(scale_9("1", zone_a, pay::yes_text, "3", "0", pay::yes_text)),
              std::nullopt);
    const pay::ShownTexts first = session.shown();
    // Seven children, a typed "yes" and a typed mutual text match no case.
    ASSERT_EQ(session.press_ok(scale_9("1", zone_a, "yes", "7", "0", "Y")), std::nullopt);
    for (const SlipField field :
         {SlipField::special_charges_allowance, SlipField::family_allowance,
          SlipField::general_mutual, SlipField::mutual_fund, SlipField::gross_total}) {
        EXPECT_EQ(session.text(field), first[static_cast<std::size_t>(field)])
            << pay::field_info(field).name;
    }
    EXPECT_EQ(session.text(SlipField::family_allowance), "7200.00");
    EXPECT_EQ(session.text(SlipField::mutual_fund), "1500");
}

TEST(CarriedValues, PressingOkTwiceShowsTheSameTexts) {
    PaySession session(".", pay::built_in_rules());
    const PayInputs inputs = scale_9("10", zone_c, pay::yes_text, "6", "6", pay::yes_text);
    ASSERT_EQ(session.press_ok(inputs), std::nullopt);
    const pay::ShownTexts first = session.shown();
    ASSERT_EQ(session.press_ok(inputs), std::nullopt);
    EXPECT_EQ(session.shown(), first);
}

TEST(CarriedValues, TheSlipHoldsWhatIsShown) {
    PaySession session(".", pay::built_in_rules());
    ASSERT_EQ(session.press_ok(scale_9("2", zone_c, pay::yes_text, "0", "0", pay::yes_text)),
              std::nullopt);
    EXPECT_EQ(session.slip().index_points, 253.0);
    EXPECT_DOUBLE_EQ(session.slip().residence_allowance, 1911.08);
    // (1911.076 + 19110.76 + 25212 + 3660) / 10 = 4989.3836
    EXPECT_DOUBLE_EQ(session.slip().retirement, 4989.38);
}

// A rate label is a number as the amounts are: with a decimal comma, its point is a comma too,
// as the explanation of the rate writes it.
TEST(PaySession, WritesTheRateLabelWithItsDecimalSeparator) {
    pay::PayRules rules = pay::built_in_rules();
    // Every taxable amount above 1.00 falls in the one bracket of 10.5 %.
    rules.income_tax.brackets = {{0, 0, 0, pay::tax_rate_label(0)},
                                 {1, 10.5, 0, pay::tax_rate_label(10.5)}};
    const pay::PayInputs inputs =
        test_inputs::scale_9("1", pay::zone_items[0], pay::yes_text, "0", "0", pay::yes_text);
    for (const auto& [separator, label] :
         {std::pair<std::string, std::string>{".", "10.5 %"}, {",", "10,5 %"}}) {
        pay::PaySession session(separator, rules);
        ASSERT_EQ(session.press_ok(inputs), std::nullopt);
        EXPECT_EQ(session.text(pay::SlipField::tax_rate_label), label);
        EXPECT_TRUE(worded_slip::explain_field(session, pay::SlipField::tax_rate_label)
                        .formula.ends_with(" → " + label));
    }
}

}  // namespace
