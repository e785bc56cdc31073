#pragma once

#include <string_view>

namespace pay {

/// The text of rules/2010.toml, embedded when the program is built.
extern const std::string_view built_in_rules_text;

/// Its name in the source tree, for messages.
inline constexpr std::string_view built_in_rules_file = "rules/2010.toml";

}  // namespace pay
