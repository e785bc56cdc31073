#include "staff/run_rules.h"

#include <utility>

#include "staff/same_file.h"

namespace staff {

std::variant<RunRules, pay::RulesFileError> load_run_rules(const RulesFiles& files) {
    return load_run_rules(files,
                          {.folders = rule_set_folders(installed_rules_folder(), files.folders),
                           .today = local_today()});
}

std::variant<RunRules, pay::RulesFileError> load_run_rules(const RulesFiles& files,
                                                           const RulesSearch& search) {
    // Known before either is read: a pipe read once may be gone.
    const bool one_file =
        files.in_effect && files.previous && same_file(*files.in_effect, *files.previous);
    RunRules rules{.in_effect = pay::built_in_rules(),
                   .previous = std::nullopt,
                   .known = {},
                   .in_effect_place = 0};
    if (files.in_effect) {
        pay::RulesReading reading = pay::load_rules_file(*files.in_effect);
        if (auto* refused = std::get_if<pay::RulesFileError>(&reading)) {
            return std::move(*refused);
        }
        rules.in_effect = std::move(std::get<pay::PayRules>(reading));
        rules.known = {{.rules = rules.in_effect, .source = *files.in_effect}};
    } else {
        auto found = find_rule_sets(search.folders);
        if (auto* refused = std::get_if<pay::RulesFileError>(&found)) {
            return std::move(*refused);
        }
        rules.known = std::move(std::get<std::vector<KnownRuleSet>>(found));
        const pay::Day day = files.on.value_or(search.today);
        const auto in_force = set_in_force(rules.known, day);
        if (!in_force) {
            return pay::RulesFileError{.file = files.on ? "--on" : "today",
                                       .line = 0,
                                       .column = 0,
                                       .message = none_in_force(rules.known, day)};
        }
        rules.in_effect_place = *in_force;
        rules.in_effect = rules.known[*in_force].rules;
    }
    if (one_file) {
        rules.previous = rules.in_effect;
    } else if (files.previous) {
        pay::RulesReading reading = pay::load_rules_file(*files.previous);
        if (auto* refused = std::get_if<pay::RulesFileError>(&reading)) {
            return std::move(*refused);
        }
        rules.previous = std::move(std::get<pay::PayRules>(reading));
    }
    return rules;
}

std::optional<std::string> output_over_rules(std::string_view option, const std::string& output,
                                             const RulesFiles& files) {
    for (const auto& [named, rules_option] :
         {std::pair{&files.in_effect, "--rules"}, std::pair{&files.previous, "--compare-rules"}}) {
        if (*named && names_the_input(output, **named)) {
            return std::string(option) + " " + output + " names the rules file of " + rules_option +
                   "; choose another name";
        }
    }
    return std::nullopt;
}

std::string given_twice(std::string_view option) {
    return std::string(option) + " is given twice; name one file";
}

}  // namespace staff
