#pragma once

#include <span>
#include <string>
#include <string_view>

namespace wording {

/// `pattern` with each of %1 to %9 replaced by that argument (the first is %1) and "%%" by one
/// "%"; a placeholder beyond the arguments and any other "%" stay as they are. Appends to `out`.
void fill(std::string& out, std::string_view pattern, std::span<const std::string_view> arguments);

}  // namespace wording
