#include "staff/rule_sets.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "staff/run_rules.h"

namespace {

namespace fs = std::filesystem;

std::string built_in_file_text() {
    std::ifstream file(std::string(VELNARO_SOURCE_DIR) + "/rules/2010.toml");
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The 2010 file made into another set: its name, its day and the value of an index point.
std::string set_text(const std::string& name, const std::string& effective,
                     const std::string& point_value = "50.92") {
    std::string text = built_in_file_text();
    const auto replace = [&](const std::string& from, const std::string& to) {
        const auto at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
    };
    replace("name = \"2010\"", "name = \"" + name + "\"");
    replace("effective = 2010-01-01", "effective = " + effective);
    replace("index_point_value = 50.92", "index_point_value = " + point_value);
    return text;
}

pay::Day day(const char* text) {
    return *pay::parse_iso_day(text);
}

class RuleSetsTest : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "velnaro-rule-sets-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        for (const char* folder : {"system", "user", "named"}) {
            fs::create_directory(root_ / folder);
        }
    }
    void TearDown() override { fs::remove_all(root_); }

    std::string write(const std::string& folder, const std::string& name, const std::string& text) {
        const fs::path path = root_ / folder / name;
        std::ofstream(path) << text;
        return path.string();
    }

    staff::RuleSetFolders folders() const {
        return {.system = (root_ / "system").string(),
                .user = (root_ / "user").string(),
                .named = {(root_ / "named").string()}};
    }

    fs::path root_;
};

TEST_F(RuleSetsTest, TheInstalledCopyOfTheBuiltInSetIsTheBuiltInSet) {
    write("system", "2010.toml", built_in_file_text());
    const auto found = staff::find_rule_sets(folders());
    ASSERT_TRUE(std::holds_alternative<std::vector<staff::KnownRuleSet>>(found));
    const auto& sets = std::get<std::vector<staff::KnownRuleSet>>(found);
    ASSERT_EQ(sets.size(), 1U);
    EXPECT_EQ(sets[0].source, staff::built_in_source);
}

TEST_F(RuleSetsTest, SetsOfEveryFolderComeInDateOrder) {
    const std::string y2012 = write("system", "b.toml", set_text("2012", "2012-01-01", "53"));
    const std::string y2011 = write("user", "z.toml", set_text("2011", "2011-04-16", "52"));
    const std::string y2013 = write("named", "a.toml", set_text("2013", "2013-07-01", "54"));
    // Not a rules file by its name: left alone.
    write("named", "notes.txt", "not rules");
    const auto found = staff::find_rule_sets(folders());
    ASSERT_TRUE(std::holds_alternative<std::vector<staff::KnownRuleSet>>(found));
    const auto& sets = std::get<std::vector<staff::KnownRuleSet>>(found);
    ASSERT_EQ(sets.size(), 4U);
    EXPECT_EQ(sets[0].source, staff::built_in_source);
    EXPECT_EQ(sets[1].source, y2011);
    EXPECT_EQ(sets[2].source, y2012);
    EXPECT_EQ(sets[3].source, y2013);
    EXPECT_EQ(sets[1].rules.base_salary.index_point_value, 52);

    // Each holds from its day to the day before the next one's.
    EXPECT_FALSE(staff::set_in_force(sets, day("2009-12-31")));
    EXPECT_EQ(staff::set_in_force(sets, day("2010-01-01")), 0U);
    EXPECT_EQ(staff::set_in_force(sets, day("2011-04-15")), 0U);
    EXPECT_EQ(staff::set_in_force(sets, day("2011-04-16")), 1U);
    EXPECT_EQ(staff::set_in_force(sets, day("2012-12-31")), 2U);
    EXPECT_EQ(staff::set_in_force(sets, day("2099-01-01")), 3U);
}

TEST_F(RuleSetsTest, TwoDifferentSetsOnOneDayAreRefusedNamingBoth) {
    const std::string first = write("user", "raise.toml", set_text("2011", "2011-01-01", "52"));
    const std::string second =
        write("named", "other.toml", set_text("2011 bis", "2011-01-01", "53"));
    const auto found = staff::find_rule_sets(folders());
    ASSERT_TRUE(std::holds_alternative<pay::RulesFileError>(found));
    EXPECT_EQ(pay::describe(std::get<pay::RulesFileError>(found)),
              second + ": takes effect on 2011-01-01, as " + first +
                  " does, with other rules; keep one of them");
}

TEST_F(RuleSetsTest, TheSameSetInTwoFoldersIsOneSet) {
    const std::string first = write("system", "2011.toml", set_text("2011", "2011-01-01", "52"));
    write("user", "copy.toml", set_text("2011", "2011-01-01", "52"));
    const auto found = staff::find_rule_sets(folders());
    ASSERT_TRUE(std::holds_alternative<std::vector<staff::KnownRuleSet>>(found));
    const auto& sets = std::get<std::vector<staff::KnownRuleSet>>(found);
    ASSERT_EQ(sets.size(), 2U);
    EXPECT_EQ(sets[1].source, first);
}

TEST_F(RuleSetsTest, ARefusedFileStopsTheSearchAtItsPlace) {
    const std::string bad = write("user", "bad.toml", set_text("2011", "2011-01-01", "-1"));
    const auto found = staff::find_rule_sets(folders());
    ASSERT_TRUE(std::holds_alternative<pay::RulesFileError>(found));
    const auto& error = std::get<pay::RulesFileError>(found);
    EXPECT_EQ(error.file, bad);
    EXPECT_EQ(error.line, 14);
    EXPECT_EQ(error.column, 21);
}

TEST_F(RuleSetsTest, ANamedFolderMustExistTheOthersNeedNot) {
    auto missing = folders();
    missing.system = (root_ / "none").string();
    missing.user = (root_ / "none").string();
    missing.named.clear();
    EXPECT_TRUE(
        std::holds_alternative<std::vector<staff::KnownRuleSet>>(staff::find_rule_sets(missing)));
    missing.named = {(root_ / "none").string()};
    const auto found = staff::find_rule_sets(missing);
    ASSERT_TRUE(std::holds_alternative<pay::RulesFileError>(found));
    EXPECT_EQ(std::get<pay::RulesFileError>(found).file, (root_ / "none").string());
}

TEST_F(RuleSetsTest, ARunTakesTheSetInForceOnItsDayOrTodayOrItsRulesFileAlone) {
    write("user", "2011.toml", set_text("2011", "2011-01-01", "52"));
    const std::string alone = write("system", "../alone.toml", set_text("A", "2005-01-01"));
    const auto on_day = [](const char* text) {
        staff::RulesFiles files;
        files.on = day(text);
        return files;
    };
    staff::RulesFiles alone_files;
    alone_files.in_effect = alone;
    const auto name_on = [&](const staff::RulesFiles& files, const char* today) -> std::string {
        const auto loaded =
            staff::load_run_rules(files, {.folders = folders(), .today = day(today)});
        if (const auto* refused = std::get_if<pay::RulesFileError>(&loaded)) {
            return pay::describe(*refused);
        }
        return std::get<staff::RunRules>(loaded).in_effect.name;
    };
    EXPECT_EQ(name_on({}, "2026-12-11"), "2011");
    EXPECT_EQ(name_on({}, "2010-12-31"), "2010");
    EXPECT_EQ(name_on(on_day("2010-12-31"), "2026-12-11"), "2010");
    EXPECT_EQ(name_on(on_day("2011-01-01"), "2010-06-01"), "2011");
    EXPECT_EQ(name_on(on_day("2009-12-31"), "2026-12-11"),
              "--on: no rule set is in force on 2009-12-31: the first, 2010, takes effect on "
              "2010-01-01");
    EXPECT_EQ(name_on(alone_files, "2026-12-11"), "A");
}

TEST(RuleSetFoldersTest, TheUsersFolderFollowsXdgDataHomeElseHome) {
    const char* data = std::getenv("XDG_DATA_HOME");
    const std::string saved = data != nullptr ? data : "";
    setenv("XDG_DATA_HOME", "/data/home", 1);
    EXPECT_EQ(staff::rule_set_folders("/sys", {}).user, "/data/home/velnaro/rules");
    setenv("XDG_DATA_HOME", "relative", 1);
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') {
        EXPECT_EQ(staff::rule_set_folders("/sys", {}).user,
                  std::string(home) + "/.local/share/velnaro/rules");
    }
    if (data != nullptr) {
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }
}

}  // namespace
