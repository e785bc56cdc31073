#include "staff/run_rules.h"

#include <utility>

#include "staff/same_file.h"

namespace staff {

std::variant<RunRules, pay::RulesFileError> load_run_rules(const RulesFiles& files) {
    // Known before either is read: a pipe read once may be gone.
    const bool one_file =
        files.in_effect && files.previous && same_file(*files.in_effect, *files.previous);
    RunRules rules{.in_effect = pay::built_in_rules(), .previous = std::nullopt};
    if (files.in_effect) {
        pay::RulesReading reading = pay::load_rules_file(*files.in_effect);
        if (auto* refused = std::get_if<pay::RulesFileError>(&reading)) {
            return std::move(*refused);
        }
        rules.in_effect = std::move(std::get<pay::PayRules>(reading));
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
