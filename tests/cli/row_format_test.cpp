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

// A row is copied in place when nothing in it needs escaping and escaped piece by piece
// otherwise; both give, byte for byte, what the JSON library writes for the same object. Each
// text is tried as an input value, as a slip text and as the error, the rest of the row plain.
TEST(JsonLinesFormat, WritesWholeRowsAsTheJsonLibraryDoes) {
    const std::array<std::string, 14> texts{"",
                                            "plain",
                                            "say \"hi\"",
                                            "back\\slash",
                                            "line\nend",
                                            std::string("nul\0", 4),
                                            "\x01\x1F",
                                            "del\x7F",
                                            std::string(pay::exceptional_rank) + "\"",
                                            "\xF0\x9F\x98\x80 four bytes",
                                            "caf\xE9",
                                            "cut \xE2\x82",
                                            "surrogate \xED\xA0\x80",
                                            "overlong \xC0\xAF and above \xF4\x90\x80\x80"};
    const std::array<std::string, 2> columns{"id", "note"};
    for (const std::string& text : texts) {
        for (const std::string_view where : {"input", "slip", "error"}) {
            const std::array<std::string, 2> inputs{"7", where == "input" ? text : "plain"};
            pay::ShownTexts shown;
            shown.fill("12.50");
            shown[3] = where == "slip" ? text : "10 %";
            const std::string error = where == "error" ? text : "";

            nlohmann::ordered_json object;
            object[columns[0]] = inputs[0];
            object[columns[1]] = inputs[1];
            for (const pay::SlipFieldInfo& info : pay::slip_fields) {
                object[std::string(info.name)] = shown[static_cast<std::size_t>(info.field)];
            }
            object["error"] = error;
            const std::string expected =
                object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";

            const auto format = cli::make_json_lines_format();
            std::string out = "before\n";
            format->begin(columns, out);
            format->write_row(inputs, format->slip_part(&shown), error, out);
            EXPECT_EQ(out, "before\n" + expected) << where << ": " << text;
        }
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
    EXPECT_FALSE(cli::needs_no_escape("\xE2\x82"));
    EXPECT_TRUE(cli::needs_no_escape("\xF0\x9F\x98\x80"));
    EXPECT_TRUE(cli::needs_no_escape("del\x7F"));
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
