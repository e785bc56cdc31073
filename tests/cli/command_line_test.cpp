#include "cli/command_line.h"

#include <gtest/gtest.h>
#include <velnaro/project.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct Parsed {
    cli::ParsedCommandLine result;
    std::string out;
    std::string err;
};

Parsed parse(std::vector<const char*> args) {
    args.insert(args.begin(), "velnaro-calc");
    std::ostringstream out;
    std::ostringstream err;
    Parsed parsed{
        cli::parse_command_line(static_cast<int>(args.size()), args.data(), out, err), {}, {}};
    parsed.out = out.str();
    parsed.err = err.str();
    return parsed;
}

TEST(CommandLine, ReadsTheSevenChoicesOfOneSlip) {
    const Parsed parsed =
        parse({"--scale", "10", "--rank", "exceptional", "--zone", "B", "--special-charges", "yes",
               "--children", "2", "--dependents", "0", "--mutual", "no", "--json"});
    ASSERT_TRUE(parsed.result.command);
    const cli::Command& command = *parsed.result.command;
    EXPECT_EQ(command.mode, cli::Command::Mode::slip);
    EXPECT_EQ(command.choices, (pay::PayInputs{"10", "exceptional", "B", "yes", "2", "0", "no"}));
    EXPECT_TRUE(command.json);
    EXPECT_EQ(parsed.err, "");
}

TEST(CommandLine, ReadsABatch) {
    const Parsed parsed = parse({"--batch", "-", "--session", "-o", "out.csv"});
    ASSERT_TRUE(parsed.result.command);
    const cli::Command& command = *parsed.result.command;
    EXPECT_EQ(command.mode, cli::Command::Mode::batch);
    EXPECT_EQ(command.batch_input, "-");
    EXPECT_EQ(command.output, "out.csv");
    EXPECT_TRUE(command.session);
    EXPECT_FALSE(command.json);
}

TEST(CommandLine, ExplainsOneSlipOrAJsonBatch) {
    const Parsed slip =
        parse({"--scale", "9", "--rank", "1", "--zone", "A", "--special-charges", "no",
               "--children", "0", "--dependents", "0", "--mutual", "no", "--explain"});
    ASSERT_TRUE(slip.result.command);
    EXPECT_TRUE(slip.result.command->explain);
    const Parsed batch = parse({"--batch", "-", "--session", "--json", "--explain"});
    ASSERT_TRUE(batch.result.command);
    EXPECT_TRUE(batch.result.command->explain);
    EXPECT_EQ(batch.err, "");
}

struct UsageCase {
    const char* name;
    std::vector<const char*> args;
    const char* message_part;
};

class UsageError : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageError, ExitsWithTwoAndOneLine) {
    const Parsed parsed = parse(GetParam().args);
    EXPECT_FALSE(parsed.result.command);
    EXPECT_EQ(parsed.result.status, staff::ExitStatus::usage);
    EXPECT_TRUE(parsed.err.starts_with("velnaro-calc: ")) << parsed.err;
    EXPECT_NE(parsed.err.find(GetParam().message_part), std::string::npos) << parsed.err;
    EXPECT_EQ(parsed.err.find('\n'), parsed.err.size() - 1) << parsed.err;
    EXPECT_EQ(parsed.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, UsageError,
    testing::Values(UsageCase{"unknown_option", {"--batch", "x.csv", "--fast"}, "--fast"},
                    UsageCase{"nothing_to_do", {}, "missing --scale, --rank, --zone"},
                    UsageCase{"missing_choices",
                              {"--scale", "9", "--rank", "1", "--zone", "A"},
                              "missing --special-charges, --children, --dependents, --mutual"},
                    UsageCase{"session_without_batch", {"--session"}, "--batch"},
                    UsageCase{"output_without_batch", {"-o", "out.csv"}, "--batch"},
                    UsageCase{"batch_with_a_choice", {"--batch", "x.csv", "--zone", "A"}, "--zone"},
                    UsageCase{"batch_without_file", {"--batch"}, "--batch"},
                    UsageCase{"explained_csv_batch",
                              {"--batch", "x.csv", "--explain"},
                              "--explain in batch mode needs --json"},
                    UsageCase{"explained_csv_session",
                              {"--batch", "-", "--session", "--explain"},
                              "--explain in batch mode needs --json"},
                    UsageCase{"unknown_language",
                              {"--batch", "x.csv", "--language", "de"},
                              "expected ar, fr or en"},
                    UsageCase{"language_in_capitals",
                              {"--batch", "x.csv", "--language", "FR"},
                              "expected ar, fr or en"}),
    [](const testing::TestParamInfo<UsageCase>& info) { return info.param.name; });

// Arabic whatever the locale; a language named on the command line otherwise.
TEST(CommandLine, ReadsTheLanguage) {
    const Parsed plain = parse({"--batch", "staff.csv"});
    ASSERT_TRUE(plain.result.command);
    EXPECT_EQ(plain.result.command->language, language::Language::ar);
    for (const auto& [code, language] :
         {std::pair{"ar", language::Language::ar}, std::pair{"fr", language::Language::fr},
          std::pair{"en", language::Language::en}}) {
        const Parsed named = parse({"--batch", "staff.csv", "--language", code});
        ASSERT_TRUE(named.result.command) << code;
        EXPECT_EQ(named.result.command->language, language) << code;
    }
}

TEST(CommandLine, ReadsTheRulesOptions) {
    const Parsed compared = parse({"--batch", "staff.csv", "--rules", "2011.toml",
                                   "--compare-rules", "2010.toml", "--months", "600"});
    ASSERT_TRUE(compared.result.command);
    EXPECT_EQ(compared.result.command->mode, cli::Command::Mode::batch);
    EXPECT_EQ(compared.result.command->rules_files.in_effect, "2011.toml");
    EXPECT_EQ(compared.result.command->rules_files.previous, "2010.toml");
    EXPECT_EQ(compared.result.command->months, 600);
    const Parsed shown = parse({"--show-rules", "--rules", "2011.toml", "-o", "2012.toml"});
    ASSERT_TRUE(shown.result.command);
    EXPECT_EQ(shown.result.command->mode, cli::Command::Mode::show_rules);
    EXPECT_EQ(shown.result.command->output, "2012.toml");
    EXPECT_EQ(shown.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    RulesArguments, UsageError,
    testing::Values(
        UsageCase{"months_without_comparison",
                  {"--batch", "x.csv", "--months", "3"},
                  "--months requires --compare-rules"},
        UsageCase{"no_month",
                  {"--batch", "x.csv", "--compare-rules", "r.toml", "--months", "0"},
                  "--months takes a whole number of months from 1 to 600, not '0'"},
        UsageCase{"more_than_600_months",
                  {"--batch", "x.csv", "--compare-rules", "r.toml", "--months", "601"},
                  "from 1 to 600, not '601'"},
        UsageCase{"part_of_a_month",
                  {"--batch", "x.csv", "--compare-rules", "r.toml", "--months", "2.5"},
                  "from 1 to 600, not '2.5'"},
        UsageCase{"months_in_words",
                  {"--batch", "x.csv", "--compare-rules", "r.toml", "--months", "six"},
                  "from 1 to 600, not 'six'"},
        UsageCase{"empty_rules_name",
                  {"--batch", "x.csv", "--rules", ""},
                  "empty file name after --rules"},
        UsageCase{"empty_previous_rules_name",
                  {"--batch", "x.csv", "--compare-rules", ""},
                  "empty file name after --compare-rules"},
        UsageCase{"output_of_one_slip",
                  {"--scale", "9", "--rank", "1", "--zone", "A", "--special-charges", "no",
                   "--children", "0", "--dependents", "0", "--mutual", "no", "-o", "x"},
                  "-o requires --batch or --show-rules"},
        UsageCase{"rules_shown_with_a_batch", {"--show-rules", "--batch", "x.csv"}, "--show-rules"},
        UsageCase{"rules_shown_as_json", {"--show-rules", "--json"}, "--show-rules"},
        UsageCase{"rules_shown_beside_others",
                  {"--show-rules", "--compare-rules", "r.toml"},
                  "--show-rules"},
        UsageCase{"rules_compared_along_an_axis",
                  {"--compare", "zone", "--compare-rules", "r.toml"},
                  "--compare-rules"}),
    [](const testing::TestParamInfo<UsageCase>& info) { return info.param.name; });

TEST(CommandLine, HelpDocumentsTheColumnsAndExitStatusWithExamples) {
    const Parsed parsed = parse({"--help"});
    EXPECT_FALSE(parsed.result.command);
    EXPECT_EQ(parsed.result.status, staff::ExitStatus::ok);
    for (const char* part :
         {"--batch", "--session", "--json", "-o", "--version",
          "scale,rank,zone,special_charges,children,dependents,mutual_member",
          "index_points,annual_base_salary", "monthly_pay,error", "missing choice: COLUMN",
          "Exit status", "Examples:", "velnaro-calc --scale 10 --rank 6"}) {
        EXPECT_NE(parsed.out.find(part), std::string::npos) << part;
    }
}

TEST(CommandLine, VersionComesFromTheBuild) {
    const Parsed parsed = parse({"--version"});
    EXPECT_FALSE(parsed.result.command);
    EXPECT_EQ(parsed.result.status, staff::ExitStatus::ok);
    EXPECT_EQ(parsed.out, std::string("velnaro-calc ") + velnaro::version + "\n");
}

}  // namespace
