#include "pay/choices.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <variant>

#include "pay/rules.h"
#include "test_inputs.h"

namespace {

using pay::Choice;
using pay::Choices;
using pay::PayInputs;
using pay::Refusal;
using pay::Scale;
using test_inputs::item;
using test_inputs::scale_9;

std::variant<Choices, Refusal> read(const PayInputs& inputs, bool index_points_known = false) {
    return pay::read_choices(inputs, index_points_known);
}

TEST(ReadChoices, ListItemsReadAsTheirPlacesAnswersAndCounts) {
    PayInputs inputs = scale_9("4", pay::zone_items[1], pay::yes_text, "5", "2", pay::no_text);
    const auto result = read(inputs);
    ASSERT_TRUE(std::holds_alternative<Choices>(result));
    const Choices& choices = std::get<Choices>(result);
    EXPECT_EQ(choices.scale, Scale::scale_9);
    EXPECT_EQ(choices.grid_entry, 3U);  // the fourth entry of the grid: scale 9, rank 4
    EXPECT_EQ(choices.zone, 1U);
    EXPECT_EQ(choices.special_charges, true);
    EXPECT_EQ(choices.children, 5);
    EXPECT_EQ(choices.dependents, 2);
    EXPECT_EQ(choices.mutual_member, false);
}

// Every grid entry is found from its own scale and rank texts, and only from them.
TEST(ReadChoices, EveryGridEntryIsFoundFromItsTexts) {
    const auto& grid = pay::built_in_rules().grid;
    for (std::size_t i = 0; i < grid.size(); ++i) {
        PayInputs inputs = scale_9(std::string(grid[i].rank), pay::zone_items[0], pay::yes_text,
                                   "0", "0", pay::yes_text);
        inputs.scale = item(pay::scale_text(grid[i].scale));
        const auto result = read(inputs);
        ASSERT_TRUE(std::holds_alternative<Choices>(result)) << i;
        EXPECT_EQ(std::get<Choices>(result).grid_entry, i);
    }
}

// Texts that are no list items: each leaves its own choice empty, which keeps its field.
TEST(ReadChoices, TypedTextsThatAreNoItemsReadAsNone) {
    PayInputs inputs = scale_9("11", "\u0627", "yes", "7", "\u0663", "Yes");
    inputs.scale = item(pay::scale_text(Scale::scale_10));
    const auto result = read(inputs, true);
    ASSERT_TRUE(std::holds_alternative<Choices>(result));
    const Choices& choices = std::get<Choices>(result);
    EXPECT_EQ(choices.scale, Scale::scale_10);
    EXPECT_EQ(choices.grid_entry, std::nullopt);  // scale 10 has no rank 11
    EXPECT_EQ(choices.zone, std::nullopt);        // an alef without hamza
    EXPECT_EQ(choices.special_charges, std::nullopt);
    EXPECT_EQ(choices.children, std::nullopt);
    EXPECT_EQ(choices.dependents, 3);  // an Arabic-Indic three
    EXPECT_EQ(choices.mutual_member, std::nullopt);
}

struct RefusalCase {
    const char* name;
    PayInputs inputs;
    bool index_points_known;
    Refusal refusal;
};

class ReadChoicesRefuses : public testing::TestWithParam<RefusalCase> {};

TEST_P(ReadChoicesRefuses, TheFirstFaultInOrder) {
    const auto result = read(GetParam().inputs, GetParam().index_points_known);
    ASSERT_TRUE(std::holds_alternative<Refusal>(result));
    EXPECT_EQ(std::get<Refusal>(result), GetParam().refusal);
}

PayInputs typed_scale(std::string scale, std::string children, std::string dependents) {
    PayInputs inputs = scale_9("1", pay::zone_items[0], pay::yes_text, std::move(children),
                               std::move(dependents), pay::yes_text);
    inputs.scale = std::move(scale);
    return inputs;
}

using Kind = Refusal::Kind;
INSTANTIATE_TEST_SUITE_P(
    Faults, ReadChoicesRefuses,
    testing::Values(
        // A missing zone comes before a typed scale with no grid row and a children text.
        RefusalCase{"MissingBeforeNoRow",
                    scale_9("1", "", pay::yes_text, "x", "0", pay::yes_text),
                    false,
                    {Kind::missing, Choice::zone}},
        RefusalCase{"NoRowOnAFirstComputation",
                    typed_scale("9", "x", "0"),
                    false,
                    {Kind::refused, Choice::scale}},
        RefusalCase{"NoRankOfTheScale",
                    scale_9("11", pay::zone_items[0], pay::yes_text, "0", "0", pay::yes_text),
                    false,
                    {Kind::refused, Choice::rank}},
        RefusalCase{"ChildrenNoNumberOnceARowIsKnown",
                    typed_scale("9", "x", "9"),
                    true,
                    {Kind::refused, Choice::children}},
        RefusalCase{"DependentsOutsideTheList",
                    typed_scale("9", "7", "7"),
                    true,
                    {Kind::refused, Choice::dependents}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
