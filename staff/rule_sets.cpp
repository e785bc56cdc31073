#include "staff/rule_sets.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <utility>

namespace staff {
namespace {

namespace fs = std::filesystem;

// The rules files of a folder, in name order so that the same folder gives the same refusals.
std::variant<std::vector<std::string>, pay::RulesFileError> files_of(const std::string& folder,
                                                                     bool must_exist) {
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) {
        if (!must_exist && (error == std::errc::no_such_file_or_directory ||
                            error == std::errc::not_a_directory)) {
            return std::vector<std::string>{};
        }
        return pay::RulesFileError{
            .file = folder,
            .line = 0,
            .column = 0,
            .message = "cannot read this folder of rule sets: " + error.message()};
    }
    std::vector<std::string> files;
    for (const fs::directory_entry& entry : entries) {
        std::error_code ignored;
        if (entry.path().extension() == ".toml" && entry.is_regular_file(ignored)) {
            files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

std::string installed_rules_folder() {
    // The tests of the programs point it elsewhere; an installed program reads the package's.
    if (const char* folder = std::getenv("VELNARO_SYSTEM_RULES_DIR")) {
        return folder;
    }
    return "/usr/share/velnaro/rules";
}

RuleSetFolders rule_set_folders(std::string system, std::vector<std::string> named) {
    std::string user;
    // The XDG base directory rules: a relative path is ignored.
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && data[0] == '/') {
        user = std::string(data) + "/velnaro/rules";
    } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        user = std::string(home) + "/.local/share/velnaro/rules";
    }
    return {.system = std::move(system), .user = std::move(user), .named = std::move(named)};
}

std::variant<std::vector<KnownRuleSet>, pay::RulesFileError> find_rule_sets(
    const RuleSetFolders& folders) {
    std::vector<KnownRuleSet> sets{
        {.rules = pay::built_in_rules(), .source = std::string(built_in_source)}};
    std::vector<std::pair<std::string, bool>> looked_into{{folders.system, false},
                                                          {folders.user, false}};
    for (const std::string& named : folders.named) {
        looked_into.emplace_back(named, true);
    }
    for (const auto& [folder, must_exist] : looked_into) {
        if (folder.empty()) {
            continue;
        }
        auto listed = files_of(folder, must_exist);
        if (auto* refused = std::get_if<pay::RulesFileError>(&listed)) {
            return std::move(*refused);
        }
        for (const std::string& file : std::get<std::vector<std::string>>(listed)) {
            pay::RulesReading reading = pay::load_rules_file(file);
            if (auto* refused = std::get_if<pay::RulesFileError>(&reading)) {
                return std::move(*refused);
            }
            pay::PayRules& rules = std::get<pay::PayRules>(reading);
            const auto same_day = std::find_if(sets.begin(), sets.end(), [&](const auto& known) {
                return known.rules.effective == rules.effective;
            });
            if (same_day == sets.end()) {
                sets.push_back({.rules = std::move(rules), .source = file});
            } else if (same_day->rules != rules) {
                return pay::RulesFileError{
                    .file = file,
                    .line = 0,
                    .column = 0,
                    .message = "takes effect on " + pay::iso_date(rules.effective) + ", as " +
                               same_day->source + " does, with other rules; keep one of them"};
            }
        }
    }
    std::sort(sets.begin(), sets.end(), [](const KnownRuleSet& a, const KnownRuleSet& b) {
        return pay::day_of(a.rules.effective) < pay::day_of(b.rules.effective);
    });
    return sets;
}

std::optional<std::size_t> set_in_force(const std::vector<KnownRuleSet>& sets, pay::Day day) {
    std::optional<std::size_t> in_force;
    for (std::size_t i = 0; i < sets.size() && pay::day_of(sets[i].rules.effective) <= day; ++i) {
        in_force = i;
    }
    return in_force;
}

std::string none_in_force(const std::vector<KnownRuleSet>& sets, pay::Day day) {
    return "no rule set is in force on " + pay::iso_day(day) + ": the first, " +
           sets.front().rules.name + ", takes effect on " +
           pay::iso_date(sets.front().rules.effective);
}

std::string not_a_day(std::string_view option, std::string_view text) {
    return std::string(option) + " takes a day as YYYY-MM-DD, not '" + std::string(text) + "'";
}

pay::Day local_today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return pay::day_of({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
}

}  // namespace staff
