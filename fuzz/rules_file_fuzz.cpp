// A rules file of any bytes is refused with a place inside it or read; rules that are read are
// written back to a file that reads to the same rules.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "pay/rules_file.h"
#include "pay/rules_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const pay::RulesReading reading = pay::read_rules(text, "fuzz.toml");
    if (const auto* error = std::get_if<pay::RulesFileError>(&reading)) {
        if (error->line < 1 || error->column < 1 || error->message.empty()) {
            std::abort();
        }
        return 0;
    }
    const pay::PayRules& rules = std::get<pay::PayRules>(reading);
    const pay::RulesReading again = pay::read_rules(pay::write_rules(rules), "written.toml");
    if (!std::holds_alternative<pay::PayRules>(again) || std::get<pay::PayRules>(again) != rules) {
        std::abort();
    }
    return 0;
}
