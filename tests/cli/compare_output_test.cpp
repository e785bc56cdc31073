// velnaro-calc --compare: the table along one choice, its formats and its usage errors.
#include "cli/compare_output.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/app.h"
#include "pay/pay_inputs.h"

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

Outcome calc(std::vector<const char*> args) {
    args.insert(args.begin(), "velnaro-calc");
    std::istringstream in;
    std::ostringstream err;
    // The program writes to a file descriptor; a temporary file stands in for its output.
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(), &std::fclose);
    EXPECT_NE(file, nullptr);
    int status = -1;
    {
        staff::FdOutput out(fileno(file.get()));
        status =
            staff::exit_code(cli::run(static_cast<int>(args.size()), args.data(), in, out, err));
    }
    std::rewind(file.get());
    std::string written;
    for (int c = std::fgetc(file.get()); c != EOF; c = std::fgetc(file.get())) {
        written.push_back(static_cast<char>(c));
    }
    return {status, written, err.str()};
}

std::vector<const char*> worked(std::vector<const char*> more) {
    std::vector<const char*> args{"--scale",           "10", "--rank",     "6", "--zone",       "A",
                                  "--special-charges", "no", "--children", "2", "--dependents", "3",
                                  "--mutual",          "yes"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// Scale 10, rank 6, zone A, no special charges, 3 dependents, member: 85572.30 of earnings with
// two children (family allowance 4800), 13174.78 of deductions with 1528.27 of tax, 72397.52 a
// year. The family allowance (2400 for each of the first three children, 432 for each further
// one) enters no deduction and no taxable amount, so only earnings and pay move with it:
// monthly = (72397.520704 + allowance - 4800) / 12.
const std::string children_csv =
    "children,gross_total,total_deductions,income_tax,annual_pay,monthly_pay,monthly_difference,"
    "annual_difference,current\n"
    "0,80772.30,13174.78,1528.27,67597.52,5633.13,-400.00,-4800.00,no\n"
    "1,83172.30,13174.78,1528.27,69997.52,5833.13,-200.00,-2400.00,no\n"
    "2,85572.30,13174.78,1528.27,72397.52,6033.13,0.00,0.00,yes\n"
    "3,87972.30,13174.78,1528.27,74797.52,6233.13,+200.00,+2400.00,no\n"
    "4,88404.30,13174.78,1528.27,75229.52,6269.13,+236.00,+2832.00,no\n"
    "5,88836.30,13174.78,1528.27,75661.52,6305.13,+272.00,+3264.00,no\n"
    "6,89268.30,13174.78,1528.27,76093.52,6341.13,+308.00,+3696.00,no\n";

TEST(CompareCommand, PrintsTheTableAsCsv) {
    const Outcome result = calc(worked({"--compare", "children"}));
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, children_csv);
}

TEST(CompareCommand, PrintsOneJsonObjectPerRow) {
    const Outcome result = calc(worked({"--compare", "children", "--json"}));
    EXPECT_EQ(result.status, 0);
    std::istringstream lines(result.out);
    std::string line;
    std::vector<nlohmann::json> rows;
    while (std::getline(lines, line)) {
        rows.push_back(nlohmann::json::parse(line));
    }
    ASSERT_EQ(rows.size(), 7U);
    EXPECT_EQ(rows[2].at("current"), "yes");
    EXPECT_EQ(rows[2].at("annual_pay"), "72397.52");
    EXPECT_EQ(rows[4].at("children"), "4");
    EXPECT_EQ(rows[4].at("monthly_difference"), "+236.00");
    EXPECT_EQ(rows[0].at("annual_difference"), "-4800.00");
    EXPECT_EQ(rows[0].at("current"), "no");
    EXPECT_EQ(rows[0].size(), 9U);
}

// The exceptional rank is the eleventh of scales 10 and 11; scale 9 has ten ranks and out of
// scale eight, so those two are left out and counted in a note.
TEST(CompareCommand, CountsTheScalesLeftOut) {
    const Outcome result = calc({"--compare", "scale", "--scale", "11", "--rank", "exceptional",
                                 "--zone", "B", "--special-charges", "yes", "--children", "3",
                                 "--dependents", "1", "--mutual", "no"});
    EXPECT_EQ(result.status, 0);
    std::istringstream lines(result.out);
    std::string header;
    std::string row_10;
    std::string row_11;
    std::string rest;
    std::getline(lines, header);
    std::getline(lines, row_10);
    std::getline(lines, row_11);
    EXPECT_FALSE(std::getline(lines, rest));
    EXPECT_EQ(header.substr(0, 11), "scale,rank,");
    const std::string exceptional(pay::exceptional_rank);
    EXPECT_EQ(
        row_10.rfind(std::string(pay::scale_text(pay::Scale::scale_10)) + "," + exceptional, 0),
        0U);
    EXPECT_EQ(row_10.substr(row_10.size() - 3), ",no");
    // The user's own row, worked by hand: 201643.36 earnings, 150295.16 a year.
    EXPECT_EQ(row_11, std::string(pay::scale_text(pay::Scale::scale_11)) + "," + exceptional +
                          ",201643.36,51348.20,31696.29,150295.16,12524.60,0.00,0.00,yes");
    EXPECT_EQ(result.err,
              "velnaro-calc: note: 2 scales left out, with no rank at the place of "
              "rank " +
                  exceptional +
                  " in their list: " + std::string(pay::scale_text(pay::Scale::scale_9)) + ", " +
                  std::string(pay::scale_text(pay::Scale::out_of_scale)) + "\n");
}

TEST(CompareCommand, RefusesChoicesThatDoNotComputeWithStatusOne) {
    const Outcome result = calc({"--compare", "rank", "--scale", "10", "--rank", "11", "--zone",
                                 "A", "--special-charges", "no", "--children", "2", "--dependents",
                                 "3", "--mutual", "yes"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              "velnaro-calc: rank '11' is not a rank of scale 10; expected 1-10 or exceptional\n");
}

struct UsageCase {
    const char* name;
    std::vector<const char*> args;
    std::string error;
};

class CompareUsage : public testing::TestWithParam<UsageCase> {};

TEST_P(CompareUsage, ExitsWithTwoAndOneLine) {
    const Outcome result = calc(GetParam().args);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "velnaro-calc: " + GetParam().error + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Errors, CompareUsage,
    testing::Values(
        UsageCase{"UnknownAxis", worked({"--compare", "salary"}),
                  "--compare: no axis 'salary'; expected rank, scale, zone, children or dependents "
                  "(see --help)"},
        UsageCase{"MutualIsNoAxis", worked({"--compare", "mutual_member"}),
                  "--compare: no axis 'mutual_member'; expected rank, scale, zone, children or "
                  "dependents (see --help)"},
        UsageCase{"NoAxis", worked({"--compare"}),
                  "--compare: 1 required AXIS missing (see --help)"},
        UsageCase{"MissingChoices",
                  {"--compare", "zone", "--scale", "10", "--rank", "6", "--children", "2"},
                  "missing --zone, --special-charges, --dependents, --mutual (or give --batch "
                  "FILE; see --help)"},
        UsageCase{"WithABatch",
                  {"--compare", "zone", "--batch", "-"},
                  "--batch excludes --compare (see --help)"}),
    [](const testing::TestParamInfo<UsageCase>& info) { return std::string(info.param.name); });

}  // namespace
