#include "staff/choice_aliases.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "../cli/test_rows.h"
#include "pay/pay_inputs.h"

namespace {

using pay::PayInputs;

std::string text(std::string_view view) {
    return std::string(view);
}

std::string extended_arabic_indic_digit(int n) {
    return {static_cast<char>(0xDB), static_cast<char>(0xB0 + n)};
}

struct AliasCase {
    const char* name;
    PayInputs typed;
    PayInputs items;
};

class Aliases : public testing::TestWithParam<AliasCase> {};

TEST_P(Aliases, StandForTheirListItems) {
    const staff::Resolution resolution = staff::resolve_choices(GetParam().typed);
    ASSERT_TRUE(resolution.choices) << resolution.error;
    EXPECT_EQ(resolution.choices->inputs(), GetParam().items);
}

const std::string scale_9 = text(pay::scale_items[0]);
const std::string scale_10 = text(pay::scale_items[1]);
const std::string scale_11 = text(pay::scale_items[2]);
const std::string out_of_scale = text(pay::scale_items[3]);
const std::string yes = text(pay::yes_text);
const std::string no = text(pay::no_text);
const std::string exceptional = text(pay::exceptional_rank);

INSTANTIATE_TEST_SUITE_P(
    Choices, Aliases,
    testing::Values(AliasCase{"scale_9_zone_A",
                              {"9", "1", "A", "yes", "0", "0", "no"},
                              {scale_9, "1", text(pay::zone_items[0]), yes, "0", "0", no}},
                    AliasCase{"scale_10_exceptional_zone_B",
                              {"10", "exceptional", "B", "no", "1", "2", "yes"},
                              {scale_10, exceptional, text(pay::zone_items[1]), no, "1", "2", yes}},
                    AliasCase{"scale_11_rank_13_zone_C",
                              {"11", "13", "C", "yes", "6", "6", "yes"},
                              {scale_11, "13", text(pay::zone_items[2]), yes, "6", "6", yes}},
                    AliasCase{"scale_11_exceptional",
                              {"11", "exceptional", "A", "no", "3", "4", "no"},
                              {scale_11, exceptional, text(pay::zone_items[0]), no, "3", "4", no}},
                    AliasCase{"out_of_scale_rank_8",
                              {"out", "8", "A", "no", "0", "0", "no"},
                              {out_of_scale, "8", text(pay::zone_items[0]), no, "0", "0", no}},
                    AliasCase{"arabic_indic_counts",
                              {"9", "1", "A", "no", rows::arabic_indic_digit(3),
                               extended_arabic_indic_digit(5), "no"},
                              {scale_9, "1", text(pay::zone_items[0]), no, "3", "5", no}},
                    AliasCase{"list_items_as_they_stand",
                              {out_of_scale, "2", text(pay::zone_items[2]), yes, "4", "1", no},
                              {out_of_scale, "2", text(pay::zone_items[2]), yes, "4", "1", no}},
                    AliasCase{"exceptional_list_item",
                              {scale_10, exceptional, "A", "no", "0", "0", "no"},
                              {scale_10, exceptional, text(pay::zone_items[0]), no, "0", "0", no}}),
    [](const testing::TestParamInfo<AliasCase>& info) { return info.param.name; });

struct RefusedCase {
    const char* name;
    PayInputs typed;
    const char* error;
};

class Refused : public testing::TestWithParam<RefusedCase> {};

TEST_P(Refused, NamesTheColumnTheValueAndWhatIsAccepted) {
    const staff::Resolution resolution = staff::resolve_choices(GetParam().typed);
    EXPECT_FALSE(resolution.choices);
    EXPECT_EQ(resolution.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, Refused,
    testing::Values(
        RefusedCase{"rank_of_another_scale",
                    {"10", "11", "A", "no", "2", "3", "yes"},
                    "rank '11' is not a rank of scale 10; expected 1-10 or exceptional"},
        RefusedCase{"exceptional_outside_scales_10_and_11",
                    {"9", "exceptional", "A", "no", "2", "3", "yes"},
                    "rank 'exceptional' is not a rank of scale 9; expected 1-10"},
        RefusedCase{"rank_above_scale_11",
                    {"11", "14", "A", "no", "2", "3", "yes"},
                    "rank '14' is not a rank of scale 11; expected 1-13 or exceptional"},
        RefusedCase{"rank_above_out_of_scale",
                    {"out", "9", "A", "no", "2", "3", "yes"},
                    "rank '9' is not a rank of scale out; expected 1-8"},
        RefusedCase{"rank_with_a_space",
                    {"9", " 1", "A", "no", "2", "3", "yes"},
                    "rank ' 1' is not a rank of scale 9; expected 1-10"},
        RefusedCase{"unknown_scale",
                    {"12", "1", "A", "no", "2", "3", "yes"},
                    "scale '12' is not a scale; expected 9, 10, 11 or out"},
        // Every faulty choice, in column order; the rank is not checked without a scale.
        RefusedCase{"every_fault_in_column_order",
                    {"x", "99", "D", "no", "2", "7", "yes"},
                    "scale 'x' is not a scale; expected 9, 10, 11 or out | zone 'D' is not a zone; "
                    "expected A, B or C | dependents '7' is not a count; expected 0-6"},
        RefusedCase{"rank_and_answers",
                    {"9", "11", "A", "oui", "2", "3", ""},
                    "rank '11' is not a rank of scale 9; expected 1-10 | special_charges 'oui' is "
                    "not an answer; expected yes or no | mutual_member is empty; "
                    "expected yes or no"},
        RefusedCase{"lower_case_zone",
                    {"9", "1", "a", "no", "2", "3", "yes"},
                    "zone 'a' is not a zone; expected A, B or C"},
        RefusedCase{"empty_zone",
                    {"9", "1", "", "no", "2", "3", "yes"},
                    "zone is empty; expected A, B or C"},
        RefusedCase{"special_charges_answer",
                    {"9", "1", "A", "oui", "2", "3", "yes"},
                    "special_charges 'oui' is not an answer; expected yes or no"},
        RefusedCase{"children_above_six",
                    {"9", "1", "A", "no", "7", "3", "yes"},
                    "children '7' is not a count; expected 0-6"},
        RefusedCase{"children_with_a_leading_zero",
                    {"9", "1", "A", "no", "02", "3", "yes"},
                    "children '02' is not a count; expected 0-6"},
        RefusedCase{"children_as_a_fraction",
                    {"9", "1", "A", "no", "1.0", "3", "yes"},
                    "children '1.0' is not a count; expected 0-6"},
        RefusedCase{"dependents_seven_in_arabic_indic",
                    {"9", "1", "A", "no", "2", rows::arabic_indic_digit(7), "yes"},
                    "dependents '\xD9\xA7' is not a count; expected 0-6"},
        RefusedCase{"negative_dependents",
                    {"9", "1", "A", "no", "2", "-1", "yes"},
                    "dependents '-1' is not a count; expected 0-6"},
        RefusedCase{"empty_mutual_member",
                    {"9", "1", "A", "no", "2", "3", ""},
                    "mutual_member is empty; expected yes or no"}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

// Every combination of list items, given as items or as aliases, has a place of its own.
TEST(Combinations, HaveDistinctPlacesWhetherGivenAsItemsOrAliases) {
    const char* const scale_aliases[] = {"9", "10", "11", "out"};
    const char* const zone_aliases[] = {"A", "B", "C"};
    const char* const yes_no_aliases[] = {"yes", "no"};
    std::set<std::size_t> places;
    std::size_t combinations = 0;
    for (std::size_t s = 0; s < pay::all_scales.size(); ++s) {
        for (const std::string_view rank : pay::rank_items(pay::all_scales[s])) {
            const std::string rank_alias =
                rank == pay::exceptional_rank ? "exceptional" : text(rank);
            for (std::size_t z = 0; z < pay::zone_items.size(); ++z) {
                for (std::size_t special = 0; special < 2; ++special) {
                    for (int children = 0; children <= 6; ++children) {
                        for (int dependents = 0; dependents <= 6; ++dependents) {
                            for (std::size_t member = 0; member < 2; ++member) {
                                const PayInputs items{text(pay::scale_items[s]),
                                                      text(rank),
                                                      text(pay::zone_items[z]),
                                                      text(pay::yes_no_items[special]),
                                                      std::to_string(children),
                                                      std::to_string(dependents),
                                                      text(pay::yes_no_items[member])};
                                const PayInputs aliases{scale_aliases[s],
                                                        rank_alias,
                                                        zone_aliases[z],
                                                        yes_no_aliases[special],
                                                        rows::arabic_indic_digit(children),
                                                        std::to_string(dependents),
                                                        yes_no_aliases[member]};
                                const auto by_items = staff::resolve_choices(items).choices;
                                const auto by_aliases = staff::resolve_choices(aliases).choices;
                                ASSERT_TRUE(by_items && by_aliases);
                                ASSERT_EQ(by_items->inputs(), items);
                                ASSERT_EQ(by_aliases->inputs(), items);
                                ASSERT_EQ(by_items->combination, by_aliases->combination);
                                ASSERT_LT(by_items->combination, staff::combination_count());
                                places.insert(by_items->combination);
                                ++combinations;
                            }
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(places.size(), combinations);
    EXPECT_EQ(combinations, staff::combination_count());
}

}  // namespace
