#include <cstdio>
#include <cstdlib>

#include "pay/built_in_rules_text.h"
#include "pay/rules_file.h"

namespace pay {

const PayRules& built_in_rules() {
    static const PayRules rules = [] {
        RulesReading reading = read_rules(built_in_rules_text, built_in_rules_file);
        if (const auto* error = std::get_if<RulesFileError>(&reading)) {
            // The build embeds the file its tests read, so this is a broken build, not input.
            std::fprintf(stderr, "built-in rules: %s\n", describe(*error).c_str());
            std::abort();
        }
        return std::get<PayRules>(std::move(reading));
    }();
    return rules;
}

}  // namespace pay
