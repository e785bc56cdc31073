#include "staff/refusal_text.h"

#include <string_view>

namespace staff {

std::string describe(const pay::Refusal& refusal) {
    const std::string_view kind =
        refusal.kind == pay::Refusal::Kind::missing ? "missing choice: " : "refused: ";
    return std::string(kind) + std::string(pay::choice_name(refusal.choice));
}

}  // namespace staff
