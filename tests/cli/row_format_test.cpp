#include "cli/row_format.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <string>

#include "pay/pay_inputs.h"

namespace {

const std::array<std::string, 11> values{"",
                                         "plain",
                                         " spaced ",
                                         "a,b",
                                         "say \"hi\"",
                                         "back\\slash",
                                         "line\nend",
                                         "cr\rlf",
                                         std::string("tab\there"),
                                         std::string(pay::scale_items[3]),
                                         "del\x7F"};

// Every value is written as the JSON library writes it, and reads back unchanged.
TEST(JsonLinesFormat, WritesStringsAsTheJsonLibraryDoes) {
    for (const std::string& value : values) {
        const std::string by_library =
            nlohmann::json(value).dump(-1, ' ', false, nlohmann::json::error_handler_t::strict);
        if (cli::needs_no_escape(value)) {
            EXPECT_EQ('"' + value + '"', by_library);
        }
        const auto format = cli::make_json_lines_format();
        std::string out;
        const std::array<std::string, 1> column{"note"};
        format->begin(column, out);
        const std::array<std::string, 1> row{value};
        format->write_row(row, format->slip_part(nullptr), value, out);
        ASSERT_EQ(out.back(), '\n');
        const auto object = nlohmann::ordered_json::parse(out);
        EXPECT_EQ(object.at("note"), value);
        EXPECT_EQ(object.at("error"), value);
        EXPECT_EQ(out.find(by_library), out.find("\"note\":") + 7) << out;
    }
}

TEST(JsonLinesFormat, NeedsEscapesForControlCharactersQuotesAndBackslashes) {
    EXPECT_TRUE(cli::needs_no_escape("20 %"));
    EXPECT_TRUE(cli::needs_no_escape(pay::exceptional_rank));
    EXPECT_FALSE(cli::needs_no_escape("a\"b"));
    EXPECT_FALSE(cli::needs_no_escape("a\\b"));
    EXPECT_FALSE(cli::needs_no_escape("a\nb"));
    EXPECT_FALSE(cli::needs_no_escape(std::string("a\0b", 3)));
    EXPECT_FALSE(cli::needs_no_escape("caf\xE9"));
}

// RFC 4180: quoted only when a field holds a comma, a quote or a line end; quotes doubled.
TEST(CsvFormat, QuotesOnlyTheFieldsThatNeedIt) {
    const auto format = cli::make_csv_format();
    std::string out;
    const std::array<std::string, 2> columns{"id", "a,b"};
    format->begin(columns, out);
    ASSERT_EQ(out.substr(0, 12), "id,\"a,b\",ind");
    out.clear();
    const std::string expected_values[] = {"",
                                           "plain",
                                           " spaced ",
                                           "\"a,b\"",
                                           "\"say \"\"hi\"\"\"",
                                           "back\\slash",
                                           "\"line\nend\"",
                                           "\"cr\rlf\"",
                                           "tab\there",
                                           std::string(pay::scale_items[3]),
                                           "del\x7F"};
    for (std::size_t i = 0; i < values.size(); ++i) {
        out.clear();
        const std::array<std::string, 2> row{"1", values[i]};
        format->write_row(row, ",X", values[i], out);
        EXPECT_EQ(out, "1," + expected_values[i] + ",X," + expected_values[i] + "\n");
    }
}

}  // namespace
