#pragma once

#include <optional>
#include <string_view>

#include "pay/pay_inputs.h"

namespace pay {

/// How a count text (children, dependents) reads.
struct CountReading {
    /// The text reads as a number at all.
    bool is_number = false;
    /// The count, when the number equals one of the whole numbers 0 to `max_count`.
    std::optional<int> count;
};

/// Reads a count text: an optional sign, digits, and optionally a fractional part after ".", ","
/// or "٫". Digits may be ASCII, Arabic-Indic or Extended Arabic-Indic. No surrounding spaces.
CountReading read_count(std::string_view text);

}  // namespace pay
