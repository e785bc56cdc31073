#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "pay/calendar.h"
#include "pay/rules.h"
#include "pay/rules_file.h"

namespace staff {

/// Where the built-in set is said to come from in a list of sets.
inline constexpr std::string_view built_in_source = "built in";

/// One rule set a program knows, and where it comes from: a file, or `built_in_source`.
struct KnownRuleSet {
    pay::PayRules rules;
    std::string source;
};

/// The folders whose `*.toml` files are rule sets, in the order they are looked into.
struct RuleSetFolders {
    /// The folder the package installs its rules into.
    std::string system;
    /// The user's own: $XDG_DATA_HOME/velnaro/rules, ~/.local/share/velnaro/rules without it;
    /// empty when neither is known.
    std::string user;
    /// Those of --rules-dir, which must exist.
    std::vector<std::string> named;
};

/// The folder the package installs its rules into, where programs look by default.
std::string installed_rules_folder();

/// The folders of a run: `system`, the user's folder from the environment ($XDG_DATA_HOME, else
/// $HOME), and `named`.
RuleSetFolders rule_set_folders(std::string system, std::vector<std::string> named);

/// The built-in set and those of the files of `folders`, each file checked whole, in the order of
/// their effective days. A file of the same rules as a set already known (the installed copy of
/// the built-in set) is that set. Refused: a file that cannot be read or checked, at its
/// FILE:LINE:COL; a named folder that cannot be read; two different sets on one day, both named.
std::variant<std::vector<KnownRuleSet>, pay::RulesFileError> find_rule_sets(
    const RuleSetFolders& folders);

/// The place in `sets` (in date order) of the set in force on `day`: the last one that takes
/// effect on or before it; none before the first.
std::optional<std::size_t> set_in_force(const std::vector<KnownRuleSet>& sets, pay::Day day);

/// "no rule set is in force on 2009-05-01: the first, 2010, takes effect on 2010-01-01".
std::string none_in_force(const std::vector<KnownRuleSet>& sets, pay::Day day);

/// The refusal of a day option's text that is no day: "--on takes a day as YYYY-MM-DD, not
/// '2011-02-30'".
std::string not_a_day(std::string_view option, std::string_view text);

/// The refusal of --on beside --rules, which names one set alone.
inline constexpr std::string_view on_with_rules =
    "--on picks among the known rule sets and --rules names one set alone; give one of them";

/// Today in the local calendar, as the programs take it when no day is given.
pay::Day local_today();

}  // namespace staff
