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

// Whether a message shows as the one line it is, in the order it is written: well-formed UTF-8
// with no control character, line or paragraph separator, or bidi control.
bool is_one_clean_line(const std::string& message) {
    for (std::size_t i = 0; i < message.size();) {
        const auto lead = static_cast<unsigned char>(message[i]);
        const std::size_t length = lead < 0x80                    ? 1
                                   : lead >= 0xC2 && lead <= 0xDF ? 2
                                   : lead >= 0xE0 && lead <= 0xEF ? 3
                                   : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                                  : 0;
        if (length == 0 || i + length > message.size()) {
            return false;
        }
        char32_t c = length == 1 ? lead : lead & (0x7FU >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto byte = static_cast<unsigned char>(message[i + k]);
            if ((byte & 0xC0U) != 0x80U) {
                return false;
            }
            c = (c << 6) | (byte & 0x3FU);
        }
        const bool hidden = c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 ||
                            (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) ||
                            c == 0x200E || c == 0x200F || c == 0x061C;
        if (hidden) {
            return false;
        }
        i += length;
    }
    return true;
}

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
    EXPECT_TRUE(is_one_clean_line(message)) << message;
}

// `count` levels of `level` after `first`, e.g. "x" and ".a": x.a.a.a...
std::string repeated(const std::string& first, const std::string& level, std::size_t count) {
    std::string text = first;
    for (std::size_t i = 0; i < count; ++i) {
        text += level;
    }
    return text;
}

// Brackets to stand before the built-in ones, all below them.
std::string extra_brackets(std::size_t count) {
    std::string text;
    for (std::size_t i = 1; i <= count; ++i) {
        text += "    { above = " + std::to_string(i) + ", rate = 1, base_amount = 0 },\n";
    }
    return text;
}

// The first grid row of the built-in file, and the same with `key = value` instead.
const std::string first_row =
    "{ rank = \"1\", index_points = 235, hierarchy_allowance = 25212, charges_allowance = 3660, "
    "supervision_allowance = 0, foundation_contribution = 60 }";

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

// Files that would give a false, inexact or partial figure, or a message that is not one clean
// line, or that would crash the reader.
const BadFile hostile_files[] = {
    // Nesting: each level of a dotted key, header or list is one level of recursion in toml++.
    {"dotted_key_40000_deep", "name = \"2010\"",
     repeated("x", ".a", 15) + repeated(".y", ".a", 40000) + " = 1\nname = \"2010\"", ".y.a",
     "nested more than 16 levels deep"},
    {"table_header_40000_deep", "[monthly_pay]",
     repeated("[a", ".a", 15) + repeated(".y", ".a", 40000) + "]\n[monthly_pay]", ".y.a",
     "nested more than 16 levels deep"},
    // 16 levels are read, and the key refused as any unknown key.
    {"dotted_key_16_deep", "name = \"2010\"", repeated("x", ".a", 15) + " = 1\nname = \"2010\"",
     "x.a", "unknown key 'x'"},
    {"lists_17_deep", "name = \"2010\"",
     "x = " + repeated("", "[", 15) + "[{ a = 1 }" + repeated("", "]", 16) + "\nname = \"2010\"",
     "[{ a", "nested more than 16 levels deep"},
    // Numbers the explanations and fields would show otherwise than they count.
    {"rate_of_3_decimals", "health_insurance_rate = 2.5", "health_insurance_rate = 2.555", "2.555",
     "'health_insurance_rate' must be a percent from 0 to 100 with at most 2 decimals, "
     "not 2.555"},
    {"point_value_of_3_decimals", "index_point_value = 50.92", "index_point_value = 50.925",
     "50.925", "with at most 2 decimals, not 50.925"},
    {"amount_below_a_cent", "first_fixed_amount = 9885", "first_fixed_amount = 9885.001",
     "9885.001",
     "'first_fixed_amount' must be an amount from 0 to 10000000 with at most 2 "
     "decimals, not 9885.001"},
    {"mutual_fund_with_cents", "mutual_fund_amount = 1500", "mutual_fund_amount = 1500.75",
     "1500.75", "must be a whole amount from 0 to 10000000, not 1500.75"},
    {"rate_in_exponent_form", "rate = 10, base_amount = 0", "rate = 1e-05, base_amount = 0",
     "1e-05",
     "'rate' must be a percent above 0 and at most 100 with at most 2 decimals, not "
     "1e-05"},
    {"brackets_less_than_a_cent_apart", "above = 50000,", "above = 30000.001,", "30000.001",
     "with at most 2 decimals, not 30000.001"},
    // Amounts the computation would no longer hold to the cent, or sums that would wrap.
    {"point_value_of_a_billion", "index_point_value = 50.92", "index_point_value = 1000000000",
     "1000000000", "'index_point_value' must be an amount from 0 to 10000, not 1000000000"},
    {"allowance_of_10_to_the_14", "hierarchy_allowance = 25212,",
     "hierarchy_allowance = 100002000000000,", "100002000000000",
     "a whole amount from 0 to 10000000, not 100002000000000"},
    {"largest_integer", "months_per_year = 12", "months_per_year = 9223372036854775807",
     "9223372036854775807", "from 1 to 24, not 9223372036854775807"},
    // Choices that would give negative amounts, refused at the number that brings them down.
    {"points_below_the_uncounted", "uncounted_index_points = 150", "uncounted_index_points = 1000",
     "1000  #",
     "'uncounted_index_points' 1000 leaves rank '1' of scale '9 / الدرجة الثالثة' (235 index "
     "points) a negative base salary: -25087.80"},
    // ((235 - 150) x 50.92 + 9885) + 3981 = 18194.20; zone A: 4548.55; gross pay 51614.75;
    // retirement 48885.62 (all of the base), professional deduction 10322.95, health 1222.14,
    // general mutual 327.50, mutual fund 1500: 51614.75 - 62258.2061 = -10643.4561.
    {"retirement_of_the_whole_base", "retirement_rate = 10", "retirement_rate = 100",
     "100  # percent of the contribution base",
     "the deductions before tax exceed the gross pay of rank '1' of scale '9 / الدرجة الثالثة', "
     "zone 'أ', without special charges, a member of the mutuals, no children and no "
     "dependents: taxable amount -10643.46"},
    {"foundation_above_the_pay", first_row,
     std::string(first_row).replace(first_row.find("= 60"), 4, "= 10000000"), "10000000 }",
     "the deductions exceed the gross total of rank '1' of scale '9 / الدرجة الثالثة', zone "
     "'أ', with special charges, a member of the mutuals, no children and no dependents: "
     "annual pay -"},
    {"tax_above_the_pay", "{ above = 30000, rate = 10, base_amount = 0 }",
     "{ above = 30000, rate = 10, base_amount = 10000000 }", "10000000 }",
     "the deductions exceed the gross total of rank '1'"},
    // Names and texts shown on one line, and texts quoted in messages.
    {"name_with_a_line_separator", "name = \"2010\"", "name = \"20\u202810\"", "\"20",
     "'name' must be one line: it holds the line break U+2028"},
    {"name_of_spaces", "name = \"2010\"", "name = \"   \"", "\"   \"",
     "'name' must show something"},
    {"name_of_a_zero_width_space", "name = \"2010\"", "name = \"\u200B\"", "\"\u200B",
     "'name' must show something"},
    {"name_with_a_tab", "name = \"2010\"", "name = \"20\t10\"", "\"20", "'name' holds a tab"},
    {"key_with_an_override", "months_per_year = 12", "months_per_year = 12\n\"\u202Eevil\" = 1",
     "\"\u202Eevil", "unknown key '\\u202Eevil' in [monthly_pay]"},
    {"dotted_key_with_an_override", "months_per_year = 12",
     "months_per_year = 12\nmonths.\u202Eevil = 1", "\u202Eevil",
     "TOML syntax: Error while parsing key: expected bare key starting character or string "
     "delimiter, saw '\\u202E'"},
    {"arabic_key_twice", "\"أ\" = 25,", "\"أ\" = 25, \"أ\" = 26,", "26, \"ب\"",
     "TOML syntax: Error while parsing key-value pair: a key or table given twice (already "
     "defined as integer)"},
    {"zone_key_decomposed", "\"أ\" = 25", "\"\u0627\u0654\" = 25", "\"\u0627",
     "is not an item of the zone list: it is the item 'أ' written decomposed (NFD)"},
    {"scale_decomposed", "scale = \"11 / الدرجة الأولى\"",
     "scale = \"11 / الدرجة ال\u0627\u0654ولى\"", "\"11 / ",
     "is not an item of the scale list: it is the item '11 / الدرجة الأولى' written decomposed"},
    // Files whose shown form would be too large to read back.
    {"brackets_1001", "brackets = [\n", "brackets = [\n" + extra_brackets(996),
     "[\n    { above = 1,", "'brackets' holds 1001 brackets; a rules file holds at most 1000"},
    {"reference_of_4001_bytes", "reference = \"The pay rules",
     "reference = \"" + std::string(4001 - 13, 'x') + "The pay rules", "\"xxx",
     "'reference' must be at most 4000 bytes, not "},
};

INSTANTIATE_TEST_SUITE_P(Hostile, BadRulesFile, testing::ValuesIn(hostile_files),
                         [](const auto& info) { return info.param.name; });

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
