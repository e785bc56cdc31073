#include "cli/batch.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

#include "pay/pay_inputs.h"
#include "pay/pay_session.h"
#include "test_rows.h"

namespace {

using rows::output_line;

struct Batch {
    cli::BatchOutcome outcome;
    std::string output;
};

Batch run(const std::string& input, cli::BatchOptions options = {}) {
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
    EXPECT_EQ(batch.outcome.status, cli::ExitStatus::usage);
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
                   "mutual_member (it needs " +
                       header + ")"},
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
    EXPECT_EQ(batch.outcome.status, cli::ExitStatus::row_errors);
    EXPECT_EQ(batch.outcome.rows, 6u);
    EXPECT_EQ(batch.outcome.failed_rows, 3u);
    EXPECT_EQ(batch.outcome.message, "3 of 6 rows have errors");
}

// The same combination again, given as aliases or as list items, shows the same slip.
TEST(StandaloneRows, AllSucceedingExitWithZeroAndNoMessage) {
    const std::string items =
        rows::joined({item(pay::scale_items[0]), "1", item(pay::zone_items[2]), item(pay::no_text),
                      "0", "0", item(pay::no_text)});
    const Batch batch =
        run(header + "\n9,1,C,no,0,0,no\n10,6,A,no,2,3,yes\n" + items + "\n9,1,C,no,0,0,no\n");
    EXPECT_EQ(batch.outcome.status, cli::ExitStatus::ok);
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
    EXPECT_EQ(batch.outcome.status, cli::ExitStatus::row_errors);
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
                                pay::PaySession window;
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
        EXPECT_EQ(batch.outcome.status, cli::ExitStatus::ok) << batch.outcome.message;
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
    EXPECT_EQ(batch.outcome.status, cli::ExitStatus::row_errors);
    EXPECT_EQ(batch.outcome.message, "4 of 5 rows have errors");
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
              "(53041.33 − 50000.00) × 20 % + 2000.00 = 2608.27\n"
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
    EXPECT_EQ(batch.outcome.status, cli::ExitStatus::usage);
    EXPECT_EQ(batch.outcome.message, "the header row names column 'c7' twice");
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

}  // namespace
