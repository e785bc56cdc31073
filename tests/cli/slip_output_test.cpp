#include "cli/slip_output.h"

#include <gtest/gtest.h>

#include <array>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "worked_slips.h"

namespace {

// Each line: the field's name, padded to the longest name (special_charges_allowance) and two
// spaces, the text right-aligned in twelve places, two spaces and the field's title (its window
// caption without the stretching).
TEST(SlipTable, ListsEachFieldInTheWindowsOrder) {
    const pay::PayInputs typed{"10", "6", "A", "no", "2", "3", "yes"};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::run_slip(typed, false, out, err), staff::ExitStatus::ok);
    EXPECT_EQ(err.str(), "");

    std::istringstream lines(out.str());
    std::string line;
    std::size_t i = 0;
    for (; std::getline(lines, line); ++i) {
        ASSERT_LT(i, pay::slip_field_count);
        const pay::SlipFieldInfo& info = pay::slip_fields[i];
        const std::string label(pay::field_title(info.field));
        const std::string& text = worked::scale_10_rank_6[i];
        const std::string expected = std::string(info.name) +
                                     std::string(27 - info.name.size(), ' ') +
                                     std::string(12 - text.size(), ' ') + text + "  " + label;
        EXPECT_EQ(line, expected);
    }
    EXPECT_EQ(i, pay::slip_field_count);
}

// The worked slip of scale 10, rank 6 (worked_slips.h), each formula line worked by hand from
// the shown amounts: base (402 - 150) x 50.92 + 9885 + 3981, contribution base
// 2669.784 + 26697.84 + 27000 + 12000 + 8400, professional deduction 20 % of 80772.30, and the
// 20 % bracket from 50000 to 60000 with its base amount 2000.
const std::array<std::vector<std::string>, pay::slip_field_count> scale_10_rank_6_formulas{{
    {"402.00"},
    {"(402.00 − 150.00) × 50.92 + 9885.00 + 3981.00 = 26697.84"},
    {"26697.84 × 25 % = 6674.46"},
    {"0.00"},
    {"27000.00"},
    {"12000.00"},
    {"8400.00"},
    {"2 × 2400.00 = 4800.00"},
    {"26697.84 + 6674.46 + 0.00 + 27000.00 + 12000.00 + 8400.00 + 4800.00 = 85572.30"},
    {"26697.84 × 10 % + 26697.84 + 27000.00 + 12000.00 + 8400.00 = 76767.62",
     "76767.62 × 10 % = 7676.76"},
    {"26697.84 × 10 % + 26697.84 + 27000.00 + 12000.00 + 8400.00 = 76767.62",
     "76767.62 × 2.5 % = 1919.19"},
    {"26697.84 × 1.8 % = 480.56"},
    {"1500"},
    {"70.00"},
    {"26697.84 + 6674.46 + 0.00 + 27000.00 + 12000.00 + 8400.00 = 80772.30",
     "80772.30 × 20 % = 16154.46",
     "80772.30 − 7676.76 − 16154.46 − 1919.19 − 480.56 − 1500 = 53041.33"},
    {"50000.00 < 53041.33 ≤ 60000.00 → 20 %"},
    {"3 × 360.00 = 1080.00"},
    {"50000.00 < 53041.33 ≤ 60000.00 → 20 %", "(53041.33 − 50000.00) × 20 % + 2000.00 = 2608.27",
     "2608.27 − 1080.00 = 1528.27"},
    {"1528.27 + 7676.76 + 70.00 + 1919.19 + 480.56 + 1500 = 13174.78"},
    {"85572.30 − 13174.78 = 72397.52"},
    {"(85572.30 − 13174.78) ÷ 12 = 6033.13"},
}};

TEST(SlipTable, ExplainedPutsTheFormulaLinesUnderEachAmount) {
    const pay::PayInputs typed{"10", "6", "A", "no", "2", "3", "yes"};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::run_slip(typed, false, out, err, true), staff::ExitStatus::ok);
    EXPECT_EQ(err.str(), "");

    std::istringstream lines(out.str());
    std::string line;
    for (std::size_t i = 0; i < pay::slip_field_count; ++i) {
        const pay::SlipFieldInfo& info = pay::slip_fields[i];
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_TRUE(line.starts_with(std::string(info.name) + " ")) << line;
        EXPECT_NE(line.find(worked::scale_10_rank_6[i] + "  "), std::string::npos) << line;
        for (const std::string& formula : scale_10_rank_6_formulas[i]) {
            ASSERT_TRUE(std::getline(lines, line));
            EXPECT_EQ(line, "    " + formula) << info.name;
        }
    }
    EXPECT_FALSE(std::getline(lines, line)) << line;
}

TEST(SlipJson, ExplainedGivesEveryFieldItsExplanation) {
    const pay::PayInputs typed{"10", "6", "A", "no", "2", "3", "yes"};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::run_slip(typed, true, out, err, true), staff::ExitStatus::ok);
    const nlohmann::json row = nlohmann::json::parse(out.str());
    EXPECT_EQ(row["income_tax"], "1528.27");
    const nlohmann::json& explanations = row["explanation"];
    ASSERT_EQ(explanations.size(), pay::slip_field_count);
    for (std::size_t i = 0; i < pay::slip_field_count; ++i) {
        const std::string name(pay::slip_fields[i].name);
        const nlohmann::json& explanation = explanations[name];
        EXPECT_EQ(explanation["kind"], "computed") << name;
        EXPECT_FALSE(explanation["sentence"].get<std::string>().empty()) << name;
        std::string formula;
        for (const std::string& line : scale_10_rank_6_formulas[i]) {
            formula += (formula.empty() ? "" : "\n") + line;
        }
        EXPECT_EQ(explanation["formula"], formula) << name;
        EXPECT_EQ(explanation["terms"].back()["value"], worked::scale_10_rank_6[i]) << name;
        EXPECT_EQ(explanation["terms"].back()["operation"], "gives") << name;
    }
    EXPECT_EQ(explanations["residence_allowance"]["terms"], nlohmann::json::parse(R"([
                  {"name": "الراتب الأساسي السنوي", "value": "26697.84", "operation": "first"},
                  {"name": "نسبة المنطقة «⁨أ⁩»", "value": "25 %",
                   "operation": "percent_of"},
                  {"name": "التعويض عن الإقامة", "value": "6674.46", "operation": "gives"}])"));
}

TEST(SlipTable, ARefusedChoiceIsReportedAlone) {
    const pay::PayInputs typed{"10", "6", "A", "no", "2", "3", "maybe"};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::run_slip(typed, false, out, err), staff::ExitStatus::row_errors);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(),
              "velnaro-calc: mutual_member 'maybe' is not an answer; expected yes or no\n");
}

TEST(SlipJson, CarriesTheErrorOfAnIllFormedChoice) {
    const pay::PayInputs typed{"10", "6", "A\xFF", "no", "2", "3", "yes"};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::run_slip(typed, true, out, err), staff::ExitStatus::row_errors);
    EXPECT_NE(out.str().find("\"zone\":\"A\xEF\xBF\xBD\""), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("\"error\":\"invalid UTF-8 in zone\""), std::string::npos);
    EXPECT_EQ(err.str(), "velnaro-calc: invalid UTF-8 in zone\n");
}

}  // namespace
