#include "cli/slip_output.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "worked_slips.h"

namespace {

// Each line: the field's name, padded to the longest name (special_charges_allowance) and two
// spaces, the text right-aligned in twelve places, two spaces and the window's label.
TEST(SlipTable, ListsEachFieldInTheWindowsOrder) {
    const pay::PayInputs typed{"10", "6", "A", "no", "2", "3", "yes"};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::run_slip(typed, false, out, err), cli::ExitStatus::ok);
    EXPECT_EQ(err.str(), "");

    std::istringstream lines(out.str());
    std::string line;
    std::size_t i = 0;
    for (; std::getline(lines, line); ++i) {
        ASSERT_LT(i, pay::slip_field_count);
        const pay::SlipFieldInfo& info = pay::slip_fields[i];
        std::string label(info.label);
        label.erase(label.find_last_not_of(' ') + 1);
        const std::string& text = worked::scale_10_rank_6[i];
        const std::string expected = std::string(info.name) +
                                     std::string(27 - info.name.size(), ' ') +
                                     std::string(12 - text.size(), ' ') + text + "  " + label;
        EXPECT_EQ(line, expected);
    }
    EXPECT_EQ(i, pay::slip_field_count);
}

TEST(SlipTable, ARefusedChoiceIsReportedAlone) {
    const pay::PayInputs typed{"10", "6", "A", "no", "2", "3", "maybe"};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::run_slip(typed, false, out, err), cli::ExitStatus::row_errors);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(),
              "velnaro-calc: mutual_member 'maybe' is not an answer; expected yes or no\n");
}

TEST(SlipJson, CarriesTheErrorOfAnIllFormedChoice) {
    const pay::PayInputs typed{"10", "6", "A\xFF", "no", "2", "3", "yes"};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(cli::run_slip(typed, true, out, err), cli::ExitStatus::row_errors);
    EXPECT_NE(out.str().find("\"zone\":\"A\xEF\xBF\xBD\""), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("\"error\":\"invalid UTF-8 in zone\""), std::string::npos);
    EXPECT_EQ(err.str(), "velnaro-calc: invalid UTF-8 in zone\n");
}

}  // namespace
