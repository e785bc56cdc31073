#include "cli/csv_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct Record {
    std::vector<std::string> fields;
    std::string malformed;

    friend bool operator==(const Record&, const Record&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Record& r) {
        os << "{";
        for (const std::string& f : r.fields) {
            os << "[" << f << "]";
        }
        return os << (r.malformed.empty() ? "" : " malformed: ") << r.malformed << "}";
    }
};

std::vector<Record> read_all(const std::string& text, std::size_t chunk_size) {
    std::istringstream input(text);
    cli::CsvReader reader(input, chunk_size);
    std::vector<Record> records;
    cli::CsvRecord record;
    while (reader.next(record)) {
        records.push_back(
            {{record.fields.begin(), record.fields.end()}, std::string(record.malformed)});
    }
    EXPECT_FALSE(reader.read_failed());
    return records;
}

struct ReadCase {
    const char* name;
    std::string text;
    std::vector<Record> records;
};

// Each text is read in chunks of several sizes, so that pieces end inside fields, quotes and
// line ends.
class Reading : public testing::TestWithParam<ReadCase> {};

TEST_P(Reading, GivesEveryRecordInOrder) {
    for (const std::size_t chunk : {3, 4, 5, 7, 64 * 1024}) {
        EXPECT_EQ(read_all(GetParam().text, chunk), GetParam().records) << "chunk " << chunk;
    }
}

const std::string bom = "\xEF\xBB\xBF";

INSTANTIATE_TEST_SUITE_P(
    Texts, Reading,
    testing::Values(
        ReadCase{"lf", "a,b\nc,d\n", {{{"a", "b"}, ""}, {{"c", "d"}, ""}}},
        ReadCase{"crlf", "a,b\r\nc,d\r\n", {{{"a", "b"}, ""}, {{"c", "d"}, ""}}},
        ReadCase{"cr", "a,b\rc,d\r", {{{"a", "b"}, ""}, {{"c", "d"}, ""}}},
        ReadCase{"no_final_line_end", "a,b\nc,d", {{{"a", "b"}, ""}, {{"c", "d"}, ""}}},
        ReadCase{"byte_order_mark", bom + "a,b\r\n", {{{"a", "b"}, ""}}},
        ReadCase{"byte_order_mark_only_at_the_start",
                 bom + "a\n" + bom + "b\n",
                 {{{"a"}, ""}, {{bom + "b"}, ""}}},
        ReadCase{"quoted_comma_and_doubled_quote",
                 "\"Doe, \"\"J\"\"\",x\n",
                 {{{"Doe, \"J\"", "x"}, ""}}},
        ReadCase{"quoted_line_ends",
                 "\"one\r\ntwo\",\"three\nfour\"\r\nz\r\n",
                 {{{"one\r\ntwo", "three\nfour"}, ""}, {{"z"}, ""}}},
        ReadCase{"empty_and_quoted_empty_fields", ",\"\",\n", {{{"", "", ""}, ""}}},
        ReadCase{"spaces_are_kept", " a , b \n", {{{" a ", " b "}, ""}}},
        ReadCase{"blank_lines_are_no_records", "\na\r\n\r\n\nb\n\n", {{{"a"}, ""}, {{"b"}, ""}}},
        ReadCase{"quote_inside_an_unquoted_field",
                 "a,b\"c,d\nx,y\n",
                 {{{"a"}, "misplaced quote"}, {{"x", "y"}, ""}}},
        ReadCase{"text_after_a_closing_quote",
                 "1,\"2\"x,3\r\n4,5\r\n",
                 {{{"1"}, "misplaced quote"}, {{"4", "5"}, ""}}},
        ReadCase{"misplaced_quote_on_a_continued_line",
                 "1,\"a\nb\"c,2\n3\n",
                 {{{"1"}, "misplaced quote"}, {{"3"}, ""}}},
        ReadCase{"unclosed_quote_gives_back_the_lines_after_it",
                 "h\n1,\"x\n2,3\r\n4\n",
                 {{{"h"}, ""}, {{"1"}, "unclosed quote"}, {{"2", "3"}, ""}, {{"4"}, ""}}},
        ReadCase{"unclosed_quote_on_the_last_line",
                 "1\n2,\"x",
                 {{{"1"}, ""}, {{"2"}, "unclosed quote"}}},
        // Inside the open quote "" was a quote; read again, it is an empty quoted field.
        ReadCase{"unclosed_quote_over_doubled_quotes",
                 "\"a\n\"\",x\nc\n",
                 {{{}, "unclosed quote"}, {{"", "x"}, ""}, {{"c"}, ""}}},
        ReadCase{"empty_text", "", {}}, ReadCase{"byte_order_mark_alone", bom, {}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST(Reading, KeepsTheFieldsOfALongRecord) {
    std::string line;
    std::vector<std::string> fields;
    for (int i = 0; i < 1000; ++i) {
        fields.push_back(std::string(static_cast<std::size_t>(i % 40), 'x') + std::to_string(i));
        line += (i == 0 ? "" : ",") + fields.back();
    }
    EXPECT_EQ(read_all(line + "\n" + line, 64), (std::vector<Record>{{fields, ""}, {fields, ""}}));
}

}  // namespace
