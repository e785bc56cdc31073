#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "pay/calendar.h"
#include "pay/rules.h"
#include "pay/rules_file.h"
#include "staff/rule_sets.h"

namespace staff {

/// The rules files a command line names, as the system names them: `--rules` and
/// `--compare-rules`, each given once at most.
struct RulesFiles {
    /// The rules to compute with; none for the rules built in.
    std::optional<std::string> in_effect;
    /// The previous rules that each slip is set against; none for no comparison.
    std::optional<std::string> previous;
    /// The day whose rules to compute with (--on), among the known sets; none for today.
    std::optional<pay::Day> on;
    /// The folders of --rules-dir, looked into after the installed and the user's folders.
    std::vector<std::string> folders;
};

/// The rules of one run of a program, read once at its start and kept until it ends: every
/// computation, explanation, page and picture of the run refers to them.
struct RunRules {
    /// The rules built in, or those of --rules.
    pay::PayRules in_effect;
    /// Those of --compare-rules; none without the option.
    std::optional<pay::PayRules> previous;
    /// The known sets in date order, `in_effect` among them; with --rules, its set alone.
    std::vector<KnownRuleSet> known;
    /// The place of `in_effect` in `known`.
    std::size_t in_effect_place = 0;
};

/// Where a run looks for rule sets, and the day it takes for today.
struct RulesSearch {
    RuleSetFolders folders;
    pay::Day today;
};

/// The rules of the files `files` names, each checked whole, or the first file's refusal
/// (`pay::describe` words it as "FILE:LINE:COL: message"). One file named by both options, by
/// one name or two (a link, /dev/stdin and the pipe behind it), is read once: a pipe would give
/// its text to the first reading and leave the second waiting.
/// Without --rules, the rules are those of the set in force on the day of --on, or on
/// `search.today`, among the sets `search.folders` holds.
std::variant<RunRules, pay::RulesFileError> load_run_rules(const RulesFiles& files,
                                                           const RulesSearch& search);

/// As above, looking into the installed folder, the user's and those of `files`, on the day of
/// the local calendar.
std::variant<RunRules, pay::RulesFileError> load_run_rules(const RulesFiles& files);

/// The refusal of an output `output`, given with `option` ("-o", "--screenshot"), that names a
/// rules file of `files`: writing it would lose the rules the run reads. None when it names
/// neither.
std::optional<std::string> output_over_rules(std::string_view option, const std::string& output,
                                             const RulesFiles& files);

/// The refusal of an option that takes one file given more than once: "--rules is given twice;
/// name one file".
std::string given_twice(std::string_view option);

}  // namespace staff
