#include "pay/pay_inputs.h"
#include "pay/pay_session.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "pay/pay_slip.h"

namespace {

using pay::Choice;
using pay::PayInputs;
using pay::Refusal;
using pay::Scale;

std::string text_of(Scale scale) {
    return std::string(pay::scale_text(scale));
}

// Every choice made with a list item.
PayInputs complete_inputs() {
    return {.scale = text_of(Scale::scale_9),
            .rank = "4",
            .zone = std::string(pay::zone_items[0]),
            .special_charges = std::string(pay::yes_text),
            .children = "2",
            .dependents = "1",
            .mutual_member = std::string(pay::no_text)};
}

TEST(ScaleFromText, MapsTheFourScaleTextsExactly) {
    for (const Scale scale : pay::all_scales) {
        EXPECT_EQ(pay::scale_from_text(pay::scale_text(scale)), scale);
    }
    EXPECT_EQ(pay::scale_from_text("9"), std::nullopt);
    EXPECT_EQ(pay::scale_from_text(text_of(Scale::scale_9) + " "), std::nullopt);
    EXPECT_EQ(pay::scale_from_text(""), std::nullopt);
}

TEST(RankItems, EachScaleHasItsOwnList) {
    EXPECT_EQ(pay::rank_items(Scale::scale_9).size(), 10U);
    EXPECT_EQ(pay::rank_items(Scale::scale_10).size(), 11U);
    EXPECT_EQ(pay::rank_items(Scale::scale_11).size(), 14U);
    EXPECT_EQ(pay::rank_items(Scale::out_of_scale).size(), 8U);
    // The exceptional rank stands between "10" and "11" in the scale-11 list.
    EXPECT_EQ(pay::rank_items(Scale::scale_11)[10], pay::exceptional_rank);
    EXPECT_EQ(pay::rank_items(Scale::scale_11)[11], "11");
    EXPECT_EQ(pay::rank_items(Scale::scale_10).back(), pay::exceptional_rank);
}

struct MissingCase {
    const char* name;
    PayInputs inputs;
    std::optional<Choice> missing;
};

PayInputs with(PayInputs inputs, Choice choice, std::string text) {
    pay::choice_text(inputs, choice) = std::move(text);
    return inputs;
}

class ValidateInputs : public testing::TestWithParam<MissingCase> {};

TEST_P(ValidateInputs, ReportsTheFirstMissingChoice) {
    EXPECT_EQ(pay::validate_inputs(GetParam().inputs), GetParam().missing);
}

INSTANTIATE_TEST_SUITE_P(
    Order, ValidateInputs,
    testing::Values(
        MissingCase{"NothingMissing", complete_inputs(), std::nullopt},
        MissingCase{"AllEmptyReportsTheScale", PayInputs{}, Choice::scale},
        MissingCase{"ZoneBeforeRank",
                    with(with(complete_inputs(), Choice::zone, ""), Choice::rank, ""),
                    Choice::zone},
        MissingCase{
            "SpecialChargesBeforeChildren",
            with(with(complete_inputs(), Choice::special_charges, ""), Choice::children, ""),
            Choice::special_charges},
        MissingCase{"ChildrenBeforeDependents",
                    with(with(complete_inputs(), Choice::children, ""), Choice::dependents, ""),
                    Choice::children},
        MissingCase{
            "DependentsBeforeMutual",
            with(with(complete_inputs(), Choice::dependents, ""), Choice::mutual_member, ""),
            Choice::dependents},
        MissingCase{"MutualBeforeRank",
                    with(with(complete_inputs(), Choice::mutual_member, ""), Choice::rank, ""),
                    Choice::mutual_member},
        MissingCase{"RankLast", with(complete_inputs(), Choice::rank, ""), Choice::rank},
        MissingCase{"NoRankTestForATypedScale",
                    with(with(complete_inputs(), Choice::scale, "9"), Choice::rank, ""),
                    std::nullopt},
        MissingCase{"ScaleWithTrailingSpaceSkipsTheRank",
                    with(with(complete_inputs(), Choice::scale, text_of(Scale::scale_9) + " "),
                         Choice::rank, ""),
                    std::nullopt},
        MissingCase{"ASpaceIsNotMissing", with(complete_inputs(), Choice::zone, " "), std::nullopt},
        MissingCase{"ANonItemIsNotMissing", with(complete_inputs(), Choice::mutual_member, "x"),
                    std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    PayInputs inputs;
    bool after_a_computation;
    std::optional<Refusal> refusal;
};

class CheckInputs : public testing::TestWithParam<RefusalCase> {};

TEST_P(CheckInputs, RefusesWhatCannotBeComputed) {
    pay::PaySession session(".", pay::built_in_rules());
    if (GetParam().after_a_computation) {
        ASSERT_EQ(session.press_ok(complete_inputs()), std::nullopt);
    }
    EXPECT_EQ(pay::check_inputs(GetParam().inputs, session.computed_slip()), GetParam().refusal);
}

constexpr auto missing = Refusal::Kind::missing;
constexpr auto refused = Refusal::Kind::refused;

INSTANTIATE_TEST_SUITE_P(
    Refusals, CheckInputs,
    testing::Values(
        RefusalCase{"CompleteFirstComputation", complete_inputs(), false, std::nullopt},
        RefusalCase{"MissingComesFirst",
                    with(with(complete_inputs(), Choice::zone, ""), Choice::children, "x"), false,
                    Refusal{missing, Choice::zone}},
        RefusalCase{"FirstComputationWithTypedScale", with(complete_inputs(), Choice::scale, "9"),
                    false, Refusal{refused, Choice::scale}},
        RefusalCase{"FirstComputationWithTypedRank", with(complete_inputs(), Choice::rank, "11"),
                    false, Refusal{refused, Choice::rank}},
        RefusalCase{"TypedScaleAfterARowWasFound", with(complete_inputs(), Choice::scale, "9"),
                    true, std::nullopt},
        RefusalCase{"NoGridRowBeforeChildren",
                    with(with(complete_inputs(), Choice::scale, "9"), Choice::children, "x"), false,
                    Refusal{refused, Choice::scale}},
        RefusalCase{"ChildrenNoNumber", with(complete_inputs(), Choice::children, "two"), true,
                    Refusal{refused, Choice::children}},
        RefusalCase{"ChildrenBeforeDependents",
                    with(with(complete_inputs(), Choice::children, " 2"), Choice::dependents, "x"),
                    false, Refusal{refused, Choice::children}},
        RefusalCase{"ChildrenSevenIsANumber", with(complete_inputs(), Choice::children, "7"), false,
                    std::nullopt},
        RefusalCase{"DependentsSeven", with(complete_inputs(), Choice::dependents, "7"), false,
                    Refusal{refused, Choice::dependents}},
        RefusalCase{"DependentsFraction", with(complete_inputs(), Choice::dependents, "2.5"), false,
                    Refusal{refused, Choice::dependents}},
        RefusalCase{"DependentsNoNumber", with(complete_inputs(), Choice::dependents, "a"), false,
                    Refusal{refused, Choice::dependents}},
        RefusalCase{"DependentsArabicDigit", with(complete_inputs(), Choice::dependents, "\u0662"),
                    false, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
