#include "staff/csv_reader.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sstream>
#include <stdexcept>
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
    staff::CsvReader reader(input, chunk_size);
    std::vector<Record> records;
    staff::CsvRecord record;
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
        ReadCase{"unquoted_empty_fields",
                 ",,\r\na,\n,b\n",
                 {{{"", "", ""}, ""}, {{"a", ""}, ""}, {{"", "b"}, ""}}},
        ReadCase{"blank_lines_are_no_records", "\na\r\n\r\n\nb\n\n", {{{"a"}, ""}, {{"b"}, ""}}},
        ReadCase{"quote_inside_an_unquoted_field",
                 "a,b\"c,d\nx,y\n",
                 {{{"a"}, "misplaced quote"}, {{"x", "y"}, ""}}},
        ReadCase{"text_after_a_closing_quote",
                 "1,\"2\"x,3\r\n4,5\r\n",
                 {{{"1"}, "misplaced quote"}, {{"4", "5"}, ""}}},
        // The record is malformed on its first line; the line after it is a record of its own.
        ReadCase{"misplaced_quote_on_a_continued_line",
                 "1,\"a\nb\"c,2\n3\n",
                 {{{"1"}, "misplaced quote"}, {{}, "misplaced quote"}, {{"3"}, ""}}},
        // A quote opened on one line and closed by a stray quote three lines later.
        ReadCase{"stray_quote_closes_a_quote_opened_lines_before",
                 "1,\"Ali,10\r\n2,Sara\r\n3,Hind\r\n4,Omar \"the elder\",9\r\n5,Zaid\r\n",
                 {{{"1"}, "misplaced quote"},
                  {{"2", "Sara"}, ""},
                  {{"3", "Hind"}, ""},
                  {{"4"}, "misplaced quote"},
                  {{"5", "Zaid"}, ""}}},
        // Fields completed on the first line are kept; those of later lines are not its own.
        ReadCase{"fields_of_later_lines_are_not_kept",
                 "a,\"x\ny\",b,\"c\nd\"e\nf\n",
                 {{{"a"}, "misplaced quote"},
                  {{}, "misplaced quote"},
                  {{}, "misplaced quote"},
                  {{"f"}, ""}}},
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

struct LimitCase {
    const char* name;
    std::string text;
    std::vector<Record> records;
};

// A record longer than the limit is malformed, with the fields its first line completed when it
// spans lines, and none when it lies on one; the lines after its first are read again.
class RecordLimit : public testing::TestWithParam<LimitCase> {};

TEST_P(RecordLimit, MakesALongerRecordMalformed) {
    for (const std::size_t chunk : {3, 5, 64 * 1024}) {
        std::istringstream input(GetParam().text);
        staff::CsvReader reader(input, chunk);
        reader.set_record_limit(12);
        std::vector<Record> records;
        staff::CsvRecord record;
        while (reader.next(record)) {
            records.push_back(
                {{record.fields.begin(), record.fields.end()}, std::string(record.malformed)});
        }
        EXPECT_EQ(records, GetParam().records) << "chunk " << chunk;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RecordLimit,
    testing::Values(
        // 12 bytes with the line end is within the limit; 13 is over it.
        LimitCase{"one_line",
                  "12345,789ab\n12345,789abc\nz\n",
                  {{{"12345", "789ab"}, ""}, {{}, "longer than 12 bytes"}, {{"z"}, ""}}},
        LimitCase{"one_line_without_a_line_end",
                  "a\n1234567890123456",
                  {{{"a"}, ""}, {{}, "longer than 12 bytes"}}},
        LimitCase{"a_quote_over_several_lines",
                  "1,\"ab\ncd\nef\ngh\nij\"\nz\n",
                  {{{"1"}, "longer than 12 bytes"},
                   {{"cd"}, ""},
                   {{"ef"}, ""},
                   {{"gh"}, ""},
                   {{}, "misplaced quote"},
                   {{"z"}, ""}}}),
    [](const testing::TestParamInfo<LimitCase>& info) { return info.param.name; });

TEST(Reading, GivesTheLineOnWhichEachRecordStarts) {
    const std::string text = "h\r\n\r\n1,\"a\r\nb\"\r\n2,\"x\n3\r4\n";
    for (const std::size_t chunk : {3, 4, 64 * 1024}) {
        std::istringstream input(text);
        staff::CsvReader reader(input, chunk);
        std::vector<std::size_t> lines;
        staff::CsvRecord record;
        while (reader.next(record)) {
            lines.push_back(record.line);
        }
        // h; a blank line; a quoted field over lines 3 and 4; an unclosed quote on line 5 whose
        // next lines are read again; a CR alone ends line 6.
        EXPECT_EQ(lines, (std::vector<std::size_t>{1, 3, 5, 6, 7})) << "chunk " << chunk;
    }
}

TEST(Reading, ReadsARecordAgainWithAnotherSeparator) {
    for (const std::string header : {"a;b", "\"a\";\"b\""}) {
        std::istringstream input(header + "\r\n1;\"2;3\"\r\n");
        staff::CsvReader reader(input, 4);
        staff::CsvRecord record;
        ASSERT_TRUE(reader.next(record));
        reader.read_again(';');
        std::vector<Record> records;
        while (reader.next(record)) {
            records.push_back(
                {{record.fields.begin(), record.fields.end()}, std::string(record.malformed)});
            EXPECT_EQ(record.line, records.size());
        }
        EXPECT_EQ(records, (std::vector<Record>{{{"a", "b"}, ""}, {{"1", "2;3"}, ""}})) << header;
    }
}

// A record malformed after a quoted line end is its first line; reading it again with another
// separator reads the lines after that one once.
TEST(Reading, ReadsAgainAMalformedRecordOverTwoLinesOnce) {
    for (const std::size_t chunk : {3, 64 * 1024}) {
        std::istringstream input("\"a\nb\";c\n1;2\n");
        staff::CsvReader reader(input, chunk);
        staff::CsvRecord record;
        ASSERT_TRUE(reader.next(record));
        EXPECT_EQ(record.malformed, "misplaced quote");
        reader.read_again(';');
        std::vector<Record> records;
        std::vector<std::size_t> lines;
        while (reader.next(record)) {
            records.push_back(
                {{record.fields.begin(), record.fields.end()}, std::string(record.malformed)});
            lines.push_back(record.line);
        }
        EXPECT_EQ(records, (std::vector<Record>{{{"a\nb", "c"}, ""}, {{"1", "2"}, ""}}))
            << "chunk " << chunk;
        EXPECT_EQ(lines, (std::vector<std::size_t>{1, 3})) << "chunk " << chunk;
    }
}

// Gives its text, then fails as a disk does.
class FailingBuffer : public std::stringbuf {
  public:
    using std::stringbuf::stringbuf;

  protected:
    int_type underflow() override {
        const int_type c = std::stringbuf::underflow();
        if (traits_type::eq_int_type(c, traits_type::eof())) {
            errno = EIO;
            throw std::runtime_error("read error");
        }
        return c;
    }
};

TEST(Reading, StopsAtAReadErrorWithoutMakingUpTheCutRecord) {
    FailingBuffer buffer("a,b\nc,");
    std::istream input(&buffer);
    staff::CsvReader reader(input, 4);
    std::vector<Record> records;
    staff::CsvRecord record;
    while (reader.next(record)) {
        records.push_back({{record.fields.begin(), record.fields.end()}, ""});
    }
    EXPECT_EQ(records, (std::vector<Record>{{{"a", "b"}, ""}}));
    EXPECT_TRUE(reader.read_failed());
    EXPECT_EQ(reader.read_error(), EIO);
}

}  // namespace

namespace {

struct LineCase {
    const char* name;
    std::string text;
    std::vector<std::size_t> lines;
};

class RecordLines : public testing::TestWithParam<LineCase> {};

// The line a record starts on, counted in the text as an editor counts it, whatever the chunks.
TEST_P(RecordLines, AreTheLinesTheRecordsStartOn) {
    for (const std::size_t chunk : {3, 4, 5, 7, 64 * 1024}) {
        std::istringstream input(GetParam().text);
        staff::CsvReader reader(input, chunk);
        staff::CsvRecord record;
        std::vector<std::size_t> lines;
        while (reader.next(record)) {
            lines.push_back(record.line);
        }
        EXPECT_EQ(lines, GetParam().lines) << "chunk " << chunk;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RecordLines,
    testing::Values(LineCase{"lf", "h,i\na,b\nc,d\n", {1, 2, 3}},
                    LineCase{"crlf_is_one_line_end", "h\r\na\r\n\r\nb\r\n", {1, 2, 4}},
                    LineCase{"cr", "h\ra\rb", {1, 2, 3}},
                    LineCase{"blank_lines_count", "h\n\n\na\n", {1, 4}},
                    LineCase{"bom", bom + "h\na\n", {1, 2}},
                    // A quoted field runs over two lines; the next record starts two lines on.
                    LineCase{"quoted_line_end", "h,i\n\"a\nb\",c\nd,e\n", {1, 2, 4}},
                    LineCase{"quoted_crlf", "h,i\r\n\"a\r\nb\",c\r\nd,e\r\n", {1, 2, 4}},
                    // The rest of a line with a misplaced quote is dropped, not its line end.
                    LineCase{"misplaced_quote", "h\na\"b,c\nd\n", {1, 2, 3}},
                    // The lines swallowed by a quote that never closes are read again.
                    LineCase{"unclosed_quote", "h\n\"a\nb\nc\n", {1, 2, 3, 4}},
                    LineCase{"unclosed_quote_crlf", "h\r\n\"a\r\nb\r\nc\r\n", {1, 2, 3, 4}}),
    [](const testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

}  // namespace
