#include "cli/batch.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdint>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "pay/pay_inputs.h"
#include "pay/pay_session.h"
#include "pay/rules.h"
#include "staff/utf8.h"
#include "test_rows.h"

namespace {

using rows::output_line;

struct Batch {
    cli::BatchOutcome outcome;
    std::string output;
};

// The built-in rules unless a case names others.
Batch run(const std::string& input, cli::BatchOptions options = {}) {
    if (options.rules == nullptr) {
        options.rules = &pay::built_in_rules();
    }
    std::istringstream in(input);
    std::ostringstream out;
    Batch batch{cli::run_batch(in, out, options), {}};
    batch.output = out.str();
    return batch;
}

std::string item(std::string_view text) {
    return std::string(text);
}

struct HeaderCase {
    const char* name;
    std::string input;
    std::string message;
};

class UnusableHeader : public testing::TestWithParam<HeaderCase> {};

TEST_P(UnusableHeader, IsAUsageErrorWithNoOutput) {
    const Batch batch = run(GetParam().input);
    EXPECT_EQ(batch.outcome.status, staff::ExitStatus::usage);
    EXPECT_EQ(batch.outcome.message, GetParam().message);
    EXPECT_EQ(batch.output, "");
}

const std::string header(rows::choice_header);

INSTANTIATE_TEST_SUITE_P(
    Headers, UnusableHeader,
    testing::Values(
        HeaderCase{"empty_input", "", "the input has no header row"},
        HeaderCase{"missing_columns", "scale,rank,name\n9,1,x\n",
                   "the header row has no column zone, special_charges, children, dependents, "
                   "mutual_member: it holds 'scale', 'rank', 'name' (separated by ','); it needs " +
                       header + ", in any order and case"},
        HeaderCase{"twice_named_column", header + ",zone\n",
                   "the header row names column 'zone' twice"},
        HeaderCase{"output_column_name", "gross_total," + header + "\n",
                   "input column 'gross_total' has the name of an output column"},
        HeaderCase{"error_column_name", header + ",error\n",
                   "input column 'error' has the name of an output column"},
        HeaderCase{"malformed_header", "\"scale," + header + "\n",
                   "the header row is malformed: unclosed quote"},
        HeaderCase{"ill_formed_utf8", header + ",n\xE9\n", "the header row is not valid UTF-8"}),
    [](const testing::TestParamInfo<HeaderCase>& info) { return info.param.name; });

TEST(StandaloneRows, AreWrittenInInputOrderWithTheOtherColumnsPassedThrough) {
    const std::string input =
        "id,children,scale,note,rank,zone,special_charges,dependents,mutual_member\n"
        "1,2,10,\"a, b\",6,A,no,3,yes\n"
        "2,2,10,,11,A,no,3,yes\n"
        "3,0,9,\"x\"\"y\",1,C,no,0,no\n"
        "4,2,10,short\n"
        "5,2,10,caf\xE9,6,A,no,3,yes\n"
        "6," +
        rows::arabic_indic_digit(3) + ",11,,exceptional,B,yes,1,no\n";
    const Batch batch = run(input);

    const std::string replacement = "\xEF\xBF\xBD";
    const std::string expected =
        "id,children,scale,note,rank,zone,special_charges,dependents,mutual_member," +
        std::string(rows::slip_header) + "\n" +
        output_line({"1", "2", "10", "\"a, b\"", "6", "A", "no", "3", "yes"},
                    worked::scale_10_rank_6) +
        output_line({"2", "2", "10", "", "11", "A", "no", "3", "yes"}, worked::none,
                    "rank '11' is not a rank of scale 10; expected 1-10 or exceptional") +
        output_line({"3", "0", "9", "\"x\"\"y\"", "1", "C", "no", "0", "no"},
                    worked::scale_9_rank_1) +
        output_line({"4", "2", "10", "short", "", "", "", "", ""}, worked::none,
                    "malformed record: 4 fields where the header has 9") +
        output_line({"5", "2", "10", "caf" + replacement, "6", "A", "no", "3", "yes"}, worked::none,
                    "invalid UTF-8 in column 'note'") +
        output_line(
            {"6", rows::arabic_indic_digit(3), "11", "", "exceptional", "B", "yes", "1", "no"},
            worked::scale_11_exceptional);
    EXPECT_EQ(batch.output, expected);
    EXPECT_EQ(batch.outcome.status, staff::ExitStatus::row_errors);
    EXPECT_EQ(batch.outcome.rows, 6u);
    EXPECT_EQ(batch.outcome.failed_rows, 3u);
    EXPECT_EQ(batch.outcome.message,
              "the input: 3 of 6 rows have errors (lines 3, 5, 6); see the error column");
}

// The same combination again, given as aliases or as list items, shows the same slip.
TEST(StandaloneRows, AllSucceedingExitWithZeroAndNoMessage) {
    const std::string items =
        rows::joined({item(pay::scale_items[0]), "1", item(pay::zone_items[2]), item(pay::no_text),
                      "0", "0", item(pay::no_text)});
    const Batch batch =
        run(header + "\n9,1,C,no,0,0,no\n10,6,A,no,2,3,yes\n" + items + "\n9,1,C,no,0,0,no\n");
    EXPECT_EQ(batch.outcome.status, staff::ExitStatus::ok);
    EXPECT_EQ(batch.outcome.message, "");
    EXPECT_EQ(batch.output,
              header + "," + std::string(rows::slip_header) + "\n" +
                  output_line({"9", "1", "C", "no", "0", "0", "no"}, worked::scale_9_rank_1) +
                  output_line({"10", "6", "A", "no", "2", "3", "yes"}, worked::scale_10_rank_6) +
                  output_line({items}, worked::scale_9_rank_1) +
                  output_line({"9", "1", "C", "no", "0", "0", "no"}, worked::scale_9_rank_1));
}

TEST(JsonLines, HoldOneObjectPerRowWithItsMembersInColumnOrder) {
    const Batch batch =
        run("note,scale,rank,zone,special_charges,children,dependents,mutual_member\n"
            "\"say \"\"hi\"\"\",10,6,A,no,2,3,yes\n"
            "\"two\nlines\",10,6,A,no,2,9,yes\n",
            {.json = true, .session = false});
    EXPECT_EQ(batch.outcome.status, staff::ExitStatus::row_errors);
    std::istringstream lines(batch.output);
    std::string line;
    std::vector<nlohmann::ordered_json> objects;
    while (std::getline(lines, line)) {
        objects.push_back(nlohmann::ordered_json::parse(line));
    }
    ASSERT_EQ(objects.size(), 2u);

    std::vector<std::string> keys;
    for (const auto& [key, value] : objects[0].items()) {
        keys.push_back(key);
        EXPECT_TRUE(value.is_string()) << key;
    }
    std::vector<std::string> expected_keys{"note",       "scale",           "rank",
                                           "zone",       "special_charges", "children",
                                           "dependents", "mutual_member"};
    for (const pay::SlipFieldInfo& info : pay::slip_fields) {
        expected_keys.emplace_back(info.name);
    }
    expected_keys.emplace_back("error");
    EXPECT_EQ(keys, expected_keys);

    EXPECT_EQ(objects[0]["note"], "say \"hi\"");
    for (std::size_t i = 0; i < pay::slip_field_count; ++i) {
        EXPECT_EQ(objects[0][std::string(pay::slip_fields[i].name)], worked::scale_10_rank_6[i]);
        EXPECT_EQ(objects[1][std::string(pay::slip_fields[i].name)], "");
    }
    EXPECT_EQ(objects[0]["error"], "");
    EXPECT_EQ(objects[1]["note"], "two\nlines");
    EXPECT_EQ(objects[1]["error"], "dependents '9' is not a count; expected 0-6");
}

// The window's computation of every combination of list items, whether each row stands alone or
// the rows are pressed in one window (every list item writes every field).
TEST(EveryCombination, ShowsWhatTheWindowShows) {
    std::string input = header + "\n";
    std::string expected = header + "," + std::string(rows::slip_header) + "\n";
    for (const pay::Scale scale : pay::all_scales) {
        for (const std::string_view rank : pay::rank_items(scale)) {
            for (const std::string_view zone : pay::zone_items) {
                for (const std::string_view special : pay::yes_no_items) {
                    for (const std::string_view children : pay::count_items) {
                        for (const std::string_view dependents : pay::count_items) {
                            for (const std::string_view member : pay::yes_no_items) {
                                const pay::PayInputs inputs{item(pay::scale_text(scale)),
                                                            item(rank),
                                                            item(zone),
                                                            item(special),
                                                            item(children),
                                                            item(dependents),
                                                            item(member)};
                                pay::PaySession window(".", pay::built_in_rules());
                                ASSERT_EQ(window.press_ok(inputs), std::nullopt);
                                worked::Texts shown;
                                std::copy(window.shown().begin(), window.shown().end(),
                                          shown.begin());
                                const std::string row = rows::joined(
                                    {inputs.scale, inputs.rank, inputs.zone, inputs.special_charges,
                                     inputs.children, inputs.dependents, inputs.mutual_member});
                                input += row + "\n";
                                expected += output_line({row}, shown);
                            }
                        }
                    }
                }
            }
        }
    }
    for (const bool session : {false, true}) {
        const Batch batch = run(input, {.json = false, .session = session});
        EXPECT_EQ(batch.outcome.status, staff::ExitStatus::ok) << batch.outcome.message;
        EXPECT_EQ(batch.outcome.rows, 25284u);  // 43 ranks x 3 zones x 2 x 7 x 7 x 2
        EXPECT_TRUE(batch.output == expected) << "session " << session;
    }
}

TEST(SessionRows, RefusedBeforeTheFirstComputationShowTheStartTexts) {
    const std::string scale_9 = item(pay::scale_items[0]);
    const std::string scale_10 = item(pay::scale_items[1]);
    const std::string zone_c = item(pay::zone_items[2]);
    const std::string no = item(pay::no_text);
    const std::string input = header + "\n" + rows::joined({"9", "1", zone_c, no, "0", "0", no}) +
                              "\n" + rows::joined({scale_10, "", zone_c, no, "0", "0", no}) + "\n" +
                              rows::joined({scale_10, "11", zone_c, no, "0", "0", no}) + "\n" +
                              rows::joined({scale_9, "1", zone_c, no, "0", "0", no}) + "\n" +
                              rows::joined({scale_9, "1", zone_c, no, "0", "", no}) + "\n";
    const Batch batch = run(input, {.json = false, .session = true});
    const std::string expected =
        header + "," + std::string(rows::slip_header) + "\n" +
        // A typed scale: no grid row, and no rank list is read.
        output_line({"9", "1", zone_c, no, "0", "0", no}, worked::start, "refused: scale") +
        output_line({scale_10, "", zone_c, no, "0", "0", no}, worked::start,
                    "missing choice: rank") +
        output_line({scale_10, "11", zone_c, no, "0", "0", no}, worked::start, "refused: rank") +
        output_line({scale_9, "1", zone_c, no, "0", "0", no}, worked::scale_9_rank_1) +
        output_line({scale_9, "1", zone_c, no, "0", "", no}, worked::scale_9_rank_1,
                    "missing choice: dependents");
    EXPECT_EQ(batch.output, expected);
    EXPECT_EQ(batch.outcome.status, staff::ExitStatus::row_errors);
    EXPECT_EQ(batch.outcome.message,
              "the input: 4 of 5 rows have errors (lines 2, 3, 4, 6); see the error column");
}

std::vector<nlohmann::json> json_lines(const std::string& output) {
    std::istringstream lines(output);
    std::string line;
    std::vector<nlohmann::json> objects;
    while (std::getline(lines, line)) {
        objects.push_back(nlohmann::json::parse(line));
    }
    return objects;
}

// The kind of each field's explanation in a row, in slip order.
std::vector<std::string> kinds(const nlohmann::json& row) {
    std::vector<std::string> all;
    for (const pay::SlipFieldInfo& info : pay::slip_fields) {
        all.push_back(row["explanation"][std::string(info.name)]["kind"]);
    }
    return all;
}

TEST(SessionRows, ExplainedRowsSayWhatTheWindowWouldSay) {
    const std::string scale_9 = item(pay::scale_items[0]);
    const std::string zone_c = item(pay::zone_items[2]);
    const std::string no = item(pay::no_text);
    const std::string input = header + "\n" + rows::joined({"9", "1", zone_c, no, "0", "0", no}) +
                              "\n" + rows::joined({scale_9, "1", zone_c, no, "0", "0", no}) + "\n" +
                              rows::joined({scale_9, "1", "\u0627", no, "0", "0", no}) + "\n" +
                              rows::joined({scale_9, "1", zone_c, no, "0", "", no}) + "\n";
    const Batch batch = run(input, {.json = true, .session = true, .explain = true});
    const std::vector<nlohmann::json> objects = json_lines(batch.output);
    ASSERT_EQ(objects.size(), 4u);
    // Refused before any computation: nothing computed yet.
    EXPECT_EQ(kinds(objects[0]), std::vector<std::string>(pay::slip_field_count, "not_computed"));
    EXPECT_EQ(kinds(objects[1]), std::vector<std::string>(pay::slip_field_count, "computed"));
    EXPECT_EQ(objects[1]["explanation"]["residence_allowance"]["formula"],
              "18194.20 × 10 % = 1819.42");
    // A zone that is no zone keeps the residence allowance shown before.
    std::vector<std::string> kept(pay::slip_field_count, "computed");
    kept[static_cast<std::size_t>(pay::SlipField::residence_allowance)] = "kept";
    EXPECT_EQ(kinds(objects[2]), kept);
    EXPECT_EQ(objects[2]["explanation"]["residence_allowance"]["formula"], "1819.42");
    // A refused press leaves the window explaining its last computation.
    EXPECT_EQ(objects[3]["error"], "missing choice: dependents");
    EXPECT_EQ(objects[3]["explanation"], objects[2]["explanation"]);
}

TEST(StandaloneRows, ExplainedRowsWithoutAmountsHaveNoExplanation) {
    const Batch batch = run(header + "\n10,6,A,no,2,3,yes\n10,6,A,no,2,9,yes\n",
                            {.json = true, .session = false, .explain = true});
    const std::vector<nlohmann::json> objects = json_lines(batch.output);
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[0]["explanation"]["income_tax"]["formula"],
              "50000.00 < 53041.33 ≤ 60000.00 → 20 %\n"
              "(53041.33 − 50000.00) × 20 % + 2000.00 ≈ 2608.27\n"
              "2608.27 − 1080.00 = 1528.27");
    EXPECT_TRUE(objects[1]["explanation"].is_null());
    EXPECT_EQ(objects[1]["error"], "dependents '9' is not a count; expected 0-6");
}

TEST(SessionRows, TakeNoAliases) {
    const Batch batch = run(header + "\n10,6,A,no,2,3,yes\n", {.json = false, .session = true});
    EXPECT_EQ(batch.output, header + "," + std::string(rows::slip_header) + "\n" +
                                output_line({"10", "6", "A", "no", "2", "3", "yes"}, worked::start,
                                            "refused: scale"));
}

TEST(SessionRows, AMalformedRecordIsNoPress) {
    const std::string scale_9 = item(pay::scale_items[0]);
    const std::string zone_c = item(pay::zone_items[2]);
    const std::string no = item(pay::no_text);
    const std::string valid = rows::joined({scale_9, "1", zone_c, no, "0", "0", no});
    const Batch batch = run(header + "\n" + valid + "\n" + scale_9 + ",1\n" + valid + "\n",
                            {.json = false, .session = true});
    EXPECT_EQ(batch.output, header + "," + std::string(rows::slip_header) + "\n" +
                                output_line({valid}, worked::scale_9_rank_1) +
                                output_line({scale_9, "1", "", "", "", "", ""}, worked::none,
                                            "malformed record: 2 fields where the header has 7") +
                                output_line({valid}, worked::scale_9_rank_1));
}

// A quote left open on row 1 and a stray quote on row 4 that would close it: every row of the
// five is answered, the two faulty ones on their own lines.
TEST(StandaloneRows, NoRowVanishesBetweenAnOpenQuoteAndAStrayOne) {
    const Batch batch = run("name," + header +
                            "\n"
                            "\"Ali,10,6,A,no,2,3,yes\n"
                            "Sara,10,6,A,no,2,3,yes\n"
                            "Hind,9,1,C,no,0,0,no\n"
                            "Omar \"the elder\",10,6,A,no,2,3,yes\n"
                            "Zaid,9,1,C,no,0,0,no\n");
    EXPECT_EQ(
        batch.output,
        "name," + header + "," + std::string(rows::slip_header) + "\n" +
            output_line({"", "", "", "", "", "", "", ""}, worked::none,
                        "malformed record: misplaced quote") +
            output_line({"Sara", "10", "6", "A", "no", "2", "3", "yes"}, worked::scale_10_rank_6) +
            output_line({"Hind", "9", "1", "C", "no", "0", "0", "no"}, worked::scale_9_rank_1) +
            output_line({"", "", "", "", "", "", "", ""}, worked::none,
                        "malformed record: misplaced quote") +
            output_line({"Zaid", "9", "1", "C", "no", "0", "0", "no"}, worked::scale_9_rank_1));
    EXPECT_EQ(batch.outcome.rows, 5u);
    EXPECT_EQ(batch.outcome.failed_rows, 2u);
}

// Each column is looked up once: a header as wide as this one was checked in minutes before.
TEST(UnusableHeader, ANameTwiceInAVeryWideHeaderIsFound) {
    std::string wide = header;
    for (int i = 0; i < 320'000; ++i) {
        wide += ",c" + std::to_string(i);
    }
    const Batch batch = run(wide + ",c7\n");
    EXPECT_EQ(batch.outcome.status, staff::ExitStatus::usage);
    EXPECT_EQ(batch.outcome.message, "the header row names column 'c7' twice");
}

// A long name or value is quoted cut, once per message: a row's error and a header's message
// stay a line however long the text the file gives (an Arabic name is never cut inside a letter).
TEST(Messages, QuoteLongNamesAndValuesCut) {
    std::string long_name = "note";
    for (int i = 0; i < 100'000; ++i) {
        long_name += "\xd8\xa8";
    }
    const Batch twice = run(header + "," + long_name + "," + long_name + "\n");
    EXPECT_EQ(twice.outcome.status, staff::ExitStatus::usage);
    EXPECT_LT(twice.outcome.message.size(), 200U) << twice.outcome.message.substr(0, 200);
    EXPECT_TRUE(staff::is_valid_utf8(twice.outcome.message));
    EXPECT_NE(twice.outcome.message.find("...' twice"), std::string::npos);

    std::string rows = header + "," + long_name + "\n";
    const std::string long_zone(1'000'000, 'Z');
    for (int i = 0; i < 20; ++i) {
        rows += "10,6,A,no,2,3,yes,\xff\n10,6," + long_zone + ",no,2,3,yes,x\n";
    }
    const Batch batch = run(rows);
    EXPECT_EQ(batch.outcome.status, staff::ExitStatus::row_errors);
    // Each row writes its own input back; the errors add no more than a line each.
    EXPECT_LT(batch.output.size(), rows.size() + 20 * 2 * 1000);
    EXPECT_NE(batch.output.find("invalid UTF-8 in column 'note"), std::string::npos);
    EXPECT_NE(batch.output.find("zone 'ZZZZ"), std::string::npos);
}

// The error column shows control characters escaped; the input columns keep them.
TEST(StandaloneRows, EscapeControlCharactersInTheErrorOnly) {
    const Batch batch = run(header + "\n10,6,\"A\x1b]0;x\x07\",no,2,3,yes\n");
    EXPECT_EQ(batch.output,
              header + "," + std::string(rows::slip_header) + "\n" +
                  output_line({"10", "6", "A\x1b]0;x\x07", "no", "2", "3", "yes"}, worked::none,
                              "\"zone 'A\\x1b]0;x\\x07' is not a zone; expected A, "
                              "B or C\""));
}

struct SeparatorCase {
    const char* name;
    std::string input;
    cli::BatchOptions options;
    std::string message;
};

// A header read with the wrong separator says what it holds and which option reads it.
class HeaderMessage : public testing::TestWithParam<SeparatorCase> {};

TEST_P(HeaderMessage, SaysWhatWasReadAndWhatIsExpected) {
    const Batch batch = run(GetParam().input, GetParam().options);
    EXPECT_EQ(batch.outcome.status, staff::ExitStatus::usage);
    EXPECT_EQ(batch.outcome.message, GetParam().message);
}

const std::string semicolons = "scale;rank;zone;special_charges;children;dependents;mutual_member";

INSTANTIATE_TEST_SUITE_P(
    Headers, HeaderMessage,
    testing::Values(
        SeparatorCase{"semicolons_read_with_commas",
                      semicolons + "\n",
                      {.delimiter = ','},
                      "the header row has none of the columns " + header + ": it holds '" +
                          semicolons +
                          "' (separated by ','); it looks separated by ';': give "
                          "--delimiter ';'"},
        SeparatorCase{"tabs_beside_a_comma",
                      "id,scale\trank\tzone,special_charges,children,dependents,mutual_member\n",
                      {},
                      "the header row has no column scale, rank, zone: it holds 'id', "
                      "'scale\trank\tzone', 'special_charges', 'children', 'dependents', "
                      "'mutual_member' (separated by ','); it needs " +
                          header +
                          ", in any order and case; it looks separated by tabs: give "
                          "--delimiter tab"},
        SeparatorCase{"semicolons_read_with_tabs",
                      "a\tb;c\n",
                      {.delimiter = '\t'},
                      "the header row has none of the columns " + header +
                          ": it holds 'a', 'b;c' (separated by tab); it looks separated by ';': "
                          "give --delimiter ';'"},
        // A long header is quoted in part: its first twelve names, each to 120 bytes.
        SeparatorCase{"long_header",
                      std::string(130, 'x') + ",c2,c3,c4,c5,c6,c7,c8,c9,c10,c11,c12,c13,c14\n",
                      {},
                      "the header row has none of the columns " + header + ": it holds '" +
                          std::string(120, 'x') +
                          "...', 'c2', 'c3', 'c4', 'c5', 'c6', 'c7', 'c8', 'c9', 'c10', 'c11', "
                          "'c12' and 2 more (separated by ',')"},
        // A quoted comma keeps the comma; the quotes then look misplaced.
        SeparatorCase{"semicolons_beside_a_quoted_comma",
                      "\"name, first\";" + semicolons + "\n",
                      {},
                      "the header row is malformed: misplaced quote; it looks separated by ';': "
                      "give --delimiter ';'"},
        SeparatorCase{"one_choice_twice",
                      "Scale," + header + "\n",
                      {},
                      "the header row names column scale twice ('Scale' and 'scale')"},
        SeparatorCase{"one_choice_under_both_names",
                      header + ",Mutual \n",
                      {},
                      "the header row names column mutual_member twice ('mutual_member' and "
                      "'Mutual ')"}),
    [](const testing::TestParamInfo<SeparatorCase>& info) { return info.param.name; });

// Header names in another case, with spaces around, or spelt as the options are.
TEST(StandaloneRows, MatchHeaderNamesLooselyAndValuesExactly) {
    const std::string loose = " Scale,RANK , zone,Special-Charges,children,Dependents,MUTUAL";
    const Batch batch = run(loose + "\n10,6,A,no,2,3,yes\n10,6,a,no,2,3,yes\n");
    EXPECT_EQ(batch.output,
              loose + "," + std::string(rows::slip_header) + "\n" +
                  output_line({"10", "6", "A", "no", "2", "3", "yes"}, worked::scale_10_rank_6) +
                  output_line({"10", "6", "a", "no", "2", "3", "yes"}, worked::none,
                              "\"zone 'a' is not a zone; expected A, B or C\""));
}

// Every faulty column of a row is named, in column order; the rank is checked against a known
// scale only.
TEST(StandaloneRows, NameEveryFaultyColumn) {
    const Batch batch = run("note," + header +
                            "\n"
                            "a,10,11,Z,no,9,3,yes\n"
                            "b,12,11,A,maybe,2,3,yes\n"
                            "c\xE9,10,6,A,no,2,3,y\xE9s\n"
                            "d\xE9,10,6,A,no,2,7,yes\n");
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(
        batch.output,
        "note," + header + "," + std::string(rows::slip_header) + "\n" +
            output_line({"a", "10", "11", "Z", "no", "9", "3", "yes"}, worked::none,
                        "\"rank '11' is not a rank of scale 10; expected 1-10 or exceptional"
                        " | zone 'Z' is not a zone; expected A, B or C | children '9' is "
                        "not a count; expected 0-6\"") +
            output_line({"b", "12", "11", "A", "maybe", "2", "3", "yes"}, worked::none,
                        "\"scale '12' is not a scale; expected 9, 10, 11 or out | "
                        "special_charges 'maybe' is not an answer; expected yes or no\"") +
            output_line(
                {"c" + replacement, "10", "6", "A", "no", "2", "3", "y" + replacement + "s"},
                worked::none,
                "invalid UTF-8 in column 'note' | invalid UTF-8 in column "
                "'mutual_member'") +
            output_line({"d" + replacement, "10", "6", "A", "no", "2", "7", "yes"}, worked::none,
                        "invalid UTF-8 in column 'note' | dependents '7' is not a count; "
                        "expected 0-6"));
}

struct SpreadsheetCase {
    const char* name;
    std::string input;
    cli::BatchOptions options;
    std::string first_line_start;
    std::string row_start;
    std::string monthly_pay;
};

// Exports with another separator are read as they come, and written back the same way.
class Spreadsheet : public testing::TestWithParam<SpreadsheetCase> {};

TEST_P(Spreadsheet, IsReadAndWrittenWithItsSeparator) {
    const Batch batch = run(GetParam().input, GetParam().options);
    EXPECT_EQ(batch.outcome.status, staff::ExitStatus::ok) << batch.outcome.message;
    std::istringstream lines(batch.output);
    std::string first;
    std::string row;
    std::getline(lines, first);
    std::getline(lines, row);
    EXPECT_TRUE(first.starts_with(GetParam().first_line_start)) << first;
    EXPECT_TRUE(row.starts_with(GetParam().row_start)) << row;
    // monthly_pay is the last amount, before the empty error.
    EXPECT_TRUE(row.ends_with(GetParam().monthly_pay)) << row;
}

INSTANTIATE_TEST_SUITE_P(
    Exports, Spreadsheet,
    testing::Values(SpreadsheetCase{"semicolons_found",
                                    semicolons + "\r\n10;6;A;no;2;3;yes\r\n",
                                    {},
                                    semicolons + ";index_points;",
                                    "10;6;A;no;2;3;yes;402.00;",
                                    ";6033.13;"},
                    SpreadsheetCase{"tabs_found",
                                    "scale\trank\tzone\tspecial_charges\tchildren\tdependents\t"
                                    "mutual_member\n10\t6\tA\tno\t2\t3\tyes\n",
                                    {},
                                    "scale\trank\t",
                                    "10\t6\tA\tno\t2\t3\tyes\t402.00\t",
                                    "\t6033.13\t"},
                    SpreadsheetCase{"semicolons_asked",
                                    "\"scale\";rank;zone;special_charges;children;"
                                    "dependents;mutual_member\n10;6;A;no;\"2\";3;yes\n",
                                    {.delimiter = ';'},
                                    semicolons + ";",
                                    "10;6;A;no;2;3;yes;",
                                    ";6033.13;"},
                    SpreadsheetCase{"decimal_comma_and_byte_order_mark",
                                    semicolons + "\n10;6;A;no;2;3;yes\n",
                                    {.decimal_comma = true, .byte_order_mark = true},
                                    "\xEF\xBB\xBF" + semicolons + ";",
                                    "10;6;A;no;2;3;yes;402,00;26697,84;",
                                    ";6033,13;"}),
    [](const testing::TestParamInfo<SpreadsheetCase>& info) { return info.param.name; });

TEST(Spreadsheet, ADecimalCommaNeedsAnotherSeparator) {
    const Batch batch = run(header + "\n10,6,A,no,2,3,yes\n", {.decimal_comma = true});
    EXPECT_EQ(batch.outcome.status, staff::ExitStatus::usage);
    EXPECT_EQ(batch.outcome.message,
              "--decimal-comma needs another separator than the comma of the input (give "
              "--delimiter ';' or --delimiter tab)");
    EXPECT_EQ(batch.output, "");
}

TEST(Template, IsAHeaderAndAnExampleRowThatComputes) {
    EXPECT_EQ(cli::batch_template(','), header + "\n10,6,A,no,2,3,yes\n");
    EXPECT_EQ(cli::batch_template(';'), semicolons + "\n10;6;A;no;2;3;yes\n");
    const Batch batch = run(cli::batch_template(';'));
    EXPECT_EQ(batch.outcome.status, staff::ExitStatus::ok);
    EXPECT_EQ(batch.outcome.rows, 1u);
}

// The sums of the rows that succeeded, worked from their slips:
// gross_total 85572.30 + 48885.62, total_deductions 13174.78 + 6470.48, income_tax
// 1528.27 + 299.78, annual_pay 72397.52 + 42415.14.
TEST(Summary, CountsTheRowsAndAddsUpTheAmountsOfThoseThatSucceeded) {
    const cli::BatchOptions options{.input_name = "staff.csv"};
    const Batch batch =
        run(header + "\n10,6,A,no,2,3,yes\n10,11,A,no,2,3,yes\n9,1,C,no,0,0,no\n", options);
    EXPECT_EQ(cli::summary_lines(batch.outcome, options),
              (std::vector<std::string>{
                  "staff.csv: 3 rows read, 1 with errors",
                  "sums over the 2 rows that succeeded: gross_total 134457.92, total_deductions "
                  "19645.26, income_tax 1828.05, annual_pay 114812.66"}));
}

// Sums held wide: (2^63 - 1) hundredths in each of 60,000 rows, past what 64 bits hold, are
// written whole, with the differences and arrears likewise.
TEST(Summary, WritesSumsPastSixtyFourBitsWhole) {
    const pay::PayRules& rules = pay::built_in_rules();
    const cli::BatchOptions options{.comparison = {.previous = &rules, .months = 600},
                                    .input_name = "staff.csv"};
    cli::BatchOutcome outcome;
    outcome.rows = 60000;
    const pay::WideInteger row = std::numeric_limits<std::int64_t>::max();
    outcome.sums.fill(row * 60000);
    outcome.monthly_difference_sum = -row * 60000;
    outcome.arrears_sum = -row * 60000 * 600;
    const std::vector<std::string> lines = cli::summary_lines(outcome, options);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1],
              "sums over the 60000 rows that succeeded: gross_total 5534023222112865484200.00, "
              "total_deductions 5534023222112865484200.00, income_tax "
              "5534023222112865484200.00, annual_pay 5534023222112865484200.00");
    EXPECT_EQ(lines[2],
              "sums of the differences over the 60000 rows that succeeded: monthly_difference "
              "-5534023222112865484200.00, arrears -3320413933267719290520000.00");
}

}  // namespace
