#include "cli/refusal_text.h"

#include <string_view>

namespace cli {

std::string describe(const pay::Refusal& refusal) {
    const std::string_view kind =
        refusal.kind == pay::Refusal::Kind::missing ? "missing choice: " : "refused: ";
    return std::string(kind) + std::string(pay::choice_name(refusal.choice));
}

}  // namespace cli
