// A rules file: the built-in set is the shipped file, a written file reads back to the same
// results, every number of it counts, and each kind of mistake is pointed out where it stands.
#include "pay/rules_file.h"

#include <gtest/gtest.h>
#include <toml++/toml.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "changed_rules.h"
#include "pay/built_in_rules_text.h"
#include "pay/pay_session.h"
#include "pay/rules_writer.h"

namespace {

using pay::PayRules;
using pay::RulesFileError;

PayRules read_or_fail(const std::string& text) {
    pay::RulesReading reading = pay::read_rules(text, "test.toml");
    if (const auto* error = std::get_if<RulesFileError>(&reading)) {
        ADD_FAILURE() << pay::describe(*error);
        return {};
    }
    return std::get<PayRules>(std::move(reading));
}

// What the window shows for each combination of list items, computed with `rules`.
std::vector<pay::ShownTexts> every_result(const PayRules& rules) {
    std::vector<pay::ShownTexts> all;
    for (const pay::PayInputs& inputs : pay::every_list_combination()) {
        pay::PaySession session(".", rules);
        EXPECT_EQ(session.press_ok(inputs), std::nullopt);
        all.push_back(session.shown());
    }
    return all;
}

// Whether some combination shows something else with `rules` than `expected`.
bool changes_some_result(const PayRules& rules, const std::vector<pay::ShownTexts>& expected) {
    const std::vector<pay::PayInputs> combinations = pay::every_list_combination();
    for (std::size_t i = 0; i < combinations.size(); ++i) {
        pay::PaySession session(".", rules);
        if (session.press_ok(combinations[i]) || session.shown() != expected[i]) {
            return true;
        }
    }
    return false;
}

TEST(BuiltInRules, AreTheShippedFileAsTheWriterWritesIt) {
    // The file a clerk starts from is the shown built-in set, comments and all.
    EXPECT_EQ(pay::write_rules(pay::built_in_rules()), pay::built_in_rules_text);
    std::ifstream shipped(std::filesystem::path(VELNARO_SOURCE_DIR) / pay::built_in_rules_file);
    const std::string text{std::istreambuf_iterator<char>(shipped), {}};
    EXPECT_EQ(text, pay::built_in_rules_text);
    const pay::RulesReading loaded = pay::load_rules_file(std::string(VELNARO_SOURCE_DIR "/") +
                                                          std::string(pay::built_in_rules_file));
    ASSERT_TRUE(std::holds_alternative<PayRules>(loaded));
    EXPECT_EQ(std::get<PayRules>(loaded), pay::built_in_rules());
    EXPECT_EQ(pay::rule_set_title(pay::built_in_rules()), "2010 (2010-01-01)");
}

TEST(WrittenRules, ReadBackToTheSameRulesAndResults) {
    for (const PayRules& rules : {pay::built_in_rules(), test_rules::changed_rules()}) {
        const PayRules read = read_or_fail(pay::write_rules(rules));
        EXPECT_EQ(read, rules);
        EXPECT_EQ(pay::write_rules(read), pay::write_rules(rules));
        EXPECT_EQ(every_result(read), every_result(rules)) << rules.name;
    }
    EXPECT_NE(every_result(test_rules::changed_rules()), every_result(pay::built_in_rules()));
}

// Where a number stands in a file's text, and the text it is written with.
struct NumberPlace {
    std::size_t offset = 0;
    std::size_t length = 0;
    int line = 0;
};

// toml++ counts columns in code points; the texts are UTF-8.
std::size_t byte_offset(const std::string& text, toml::source_position where) {
    std::size_t offset = 0;
    for (toml::source_index line = 1; line < where.line; ++line) {
        offset = text.find('\n', offset) + 1;
    }
    for (toml::source_index column = 1; column < where.column; ++column) {
        do {
            ++offset;
        } while ((static_cast<unsigned char>(text[offset]) & 0xC0) == 0x80);
    }
    return offset;
}

void collect_numbers(const toml::node& node, const std::string& text,
                     std::vector<NumberPlace>& places) {
    if (const auto* table = node.as_table()) {
        for (const auto& [key, value] : *table) {
            collect_numbers(value, text, places);
        }
    } else if (const auto* array = node.as_array()) {
        for (const toml::node& value : *array) {
            collect_numbers(value, text, places);
        }
    } else if (node.is_number()) {
        const std::size_t begin = byte_offset(text, node.source().begin);
        const std::size_t end = byte_offset(text, node.source().end);
        places.push_back({begin, end - begin, static_cast<int>(node.source().begin.line)});
    }
}

TEST(RulesFile, EveryNumberChangesSomeResultOrIsRefusedOnItsLine) {
    const std::string text(pay::built_in_rules_text);
    std::vector<NumberPlace> places;
    collect_numbers(toml::parse(text), text, places);
    // Every grid row's five numbers and every other rule.
    ASSERT_GT(places.size(), std::size_t{pay::grid_size * 5});
    const std::vector<pay::ShownTexts> built_in = every_result(pay::built_in_rules());
    for (const NumberPlace& place : places) {
        const std::string number = text.substr(place.offset, place.length);
        const double value = std::stod(number);
        std::string nudged = text;
        nudged.replace(place.offset, place.length, pay::rule_number_text(value + 1));
        const std::string where = "line " + std::to_string(place.line) + ": " + number;
        const pay::RulesReading reading = pay::read_rules(nudged, "nudged.toml");
        if (const auto* error = std::get_if<RulesFileError>(&reading)) {
            EXPECT_EQ(error->line, place.line) << where << ": " << pay::describe(*error);
        } else {
            EXPECT_TRUE(changes_some_result(std::get<PayRules>(reading), built_in)) << where;
        }
    }
}

// One mistake: `find` replaced by `replace` in the built-in file; the message points at the first
// occurrence of `at` in the result and says `says`.
struct BadFile {
    std::string name;
    std::string find;
    std::string replace;
    std::string at;
    std::string says;
};

std::string with_mistake(const BadFile& bad) {
    std::string text(pay::built_in_rules_text);
    const std::size_t found = text.find(bad.find);
    EXPECT_NE(found, std::string::npos) << bad.name;
    return found == std::string::npos ? text : text.replace(found, bad.find.size(), bad.replace);
}

class BadRulesFile : public testing::TestWithParam<BadFile> {};

TEST_P(BadRulesFile, IsRefusedWithTheLineAndColumnOfTheMistake) {
    const BadFile& bad = GetParam();
    const std::string text = with_mistake(bad);
    const std::size_t at = text.find(bad.at);
    ASSERT_NE(at, std::string::npos) << bad.at;
    // Lines and columns count code points from 1, as toml++ does.
    const std::size_t line_start = at == 0 ? 0 : text.rfind('\n', at - 1) + 1;
    const auto code_points = std::count_if(text.begin() + static_cast<std::ptrdiff_t>(line_start),
                                           text.begin() + static_cast<std::ptrdiff_t>(at),
                                           [](char c) { return (c & 0xC0) != 0x80; });
    const toml::source_position expected{
        static_cast<toml::source_index>(std::count(text.begin(), text.begin() + at, '\n') + 1),
        static_cast<toml::source_index>(code_points + 1)};
    ASSERT_EQ(byte_offset(text, expected), at) << "the marker starts a line's text";
    const pay::RulesReading reading = pay::read_rules(text, "rules/2027.toml");
    ASSERT_TRUE(std::holds_alternative<RulesFileError>(reading)) << bad.name;
    const RulesFileError& error = std::get<RulesFileError>(reading);
    const std::string message = pay::describe(error);
    EXPECT_EQ(
        message.substr(0, message.find(": ")),
        "rules/2027.toml:" + std::to_string(expected.line) + ":" + std::to_string(expected.column))
        << message;
    EXPECT_NE(message.find(bad.says), std::string::npos) << message;
}

const BadFile bad_files[] = {
    {"syntax", "name = \"2010\"", "name = \"2010", "\neffective", "TOML syntax"},
    {"unknown_key", "retirement_rate = 10", "retirment_rate = 10\nretirement_rate = 10",
     "retirment_rate", "unknown key 'retirment_rate' in [contributions]"},
    {"key_twice", "months_per_year = 12", "months_per_year = 12\nmonths_per_year = 13",
     "13\n\n[grid]", "TOML syntax"},
    {"missing_value", "mutual_fund_amount = 1500  # yearly\n", "", "[contributions]",
     "missing 'mutual_fund_amount' in [contributions]"},
    {"text_for_a_number", "rate = 85", "rate = \"85\"", "\"85\"", "must be a number, not a text"},
    {"negative_amount", "mutual_fund_amount = 1500", "mutual_fund_amount = -1500", "-1500",
     "'mutual_fund_amount' must be a whole amount from 0 to 10000000, not -1500"},
    {"rate_above_100", "retirement_rate = 10", "retirement_rate = 120", "120",
     "a percent from 0 to 100, not 120"},
    {"ceiling_below_zero", "health_insurance_ceiling = 4800", "health_insurance_ceiling = -0.5",
     "-0.5", "not -0.5"},
    {"not_a_finite_number", "index_point_value = 50.92", "index_point_value = nan", "nan  #",
     "not nan"},
    {"brackets_not_rising", "above = 60000", "above = 50000", "50000, rate = 30",
     "'above' 50000 is not above the previous bracket's 50000"},
    {"first_bracket_at_0", "above = 30000", "above = 0", "0, rate = 10", "more than 0"},
    {"bracket_rate_0", "rate = 20,", "rate = 0,", "0, base_amount = 2000", "must be above 0"},
    {"bracket_unknown_key", "base_amount = 44000", "base_amount = 44000, floor = 1", "floor",
     "unknown key 'floor' in a bracket"},
    {"grid_fraction", "index_points = 235,", "index_points = 235.5,", "235.5", "a whole number"},
    {"grid_scale_not_listed", "scale = \"9 / ", "scale = \"12 / ", "\"12 / ",
     "is not an item of the scale list; a rules file gives amounts to the window's lists and "
     "cannot change the lists"},
    {"grid_rank_not_listed", "{ rank = \"10\", index_points = 438",
     "{ rank = \"14\", index_points = 438", "\"14\"", "'14' is not an item of the rank list"},
    {"grid_rank_twice", "{ rank = \"2\", index_points = 253", "{ rank = \"1\", index_points = 253",
     "\"1\", index_points = 253", "rank '1' of scale '9 / "},
    {"grid_rank_missing", "    { rank = \"7\", index_points = 361", "#", "[\n    { rank = \"1\"",
     "has no row for rank '7'"},
    {"zone_not_listed", "\"ج\" = 10", "\"ج\" = 10, \"د\" = 5", "\"د\"",
     "is not an item of the zone list"},
    {"effective_missing", "effective = 2010-01-01", "", "# Velnaro", "missing 'effective'"},
    {"effective_not_a_date", "effective = 2010-01-01", "effective = \"2010-01-01\"",
     "\"2010-01-01\"", "must be a date without quotes"},
    {"first_children_6", "first_children = 3", "first_children = 6", "6  # from",
     "from 0 to 5, not 6"},
    {"months_0", "months_per_year = 12", "months_per_year = 0", "0\n\n[grid]",
     "from 1 to 24, not 0"},
    {"empty_name", "name = \"2010\"", "name = \"\"", "\"\"", "'name' must be one line"},
    {"name_of_two_lines", "name = \"2010\"", "name = \"2010\\n2011\"", "\"2010\\n",
     "'name' must be one line"},
    {"name_too_long", "name = \"2010\"", "name = \"" + std::string(101, 'x') + "\"", "\"xxx",
     "1 to 100 bytes"},
    // Texts the window, the slips and the terminal show cannot reorder or drive them.
    {"name_with_an_override", "name = \"2010\"", "name = \"2010 \\u202Eسنة\"", "\"2010 \\u",
     "'name' holds the invisible character U+202E"},
    {"name_with_an_escape", "name = \"2010\"", "name = \"2010\\u001b]0;x\\u0007\"", "\"2010\\u001b",
     "U+001B"},
    {"reference_with_an_isolate", "stands for it.\"", "stands for it.\\u2069\"", "\"The pay",
     "'reference' holds the invisible character U+2069"},
    {"reference_with_a_c1_control", "stands for it.\"", "stands for it.\\u009b\"", "\"The pay",
     "U+009B"},
};

INSTANTIATE_TEST_SUITE_P(Mistakes, BadRulesFile, testing::ValuesIn(bad_files),
                         [](const auto& info) { return info.param.name; });

TEST(RulesFile, AFileThatCannotBeReadIsNamedWithItsReason) {
    const std::filesystem::path folder = testing::TempDir();
    const pay::RulesReading missing = pay::load_rules_file((folder / "no-such.toml").string());
    ASSERT_TRUE(std::holds_alternative<RulesFileError>(missing));
    EXPECT_EQ(
        pay::describe(std::get<RulesFileError>(missing)),
        (folder / "no-such.toml").string() + ": cannot read the rules: No such file or directory");
    const pay::RulesReading directory = pay::load_rules_file(folder.string());
    ASSERT_TRUE(std::holds_alternative<RulesFileError>(directory));
    EXPECT_EQ(std::get<RulesFileError>(directory).line, 0);
}

}  // namespace
