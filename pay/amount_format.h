#pragma once

#include <string>
#include <string_view>

namespace pay {

/// The 15-significant-digit decimal value of `amount`, rounded half away from zero to
/// `decimals` places and written with at least one digit before `separator`, no grouping and a
/// minus sign only when the shown amount is not zero. With no decimals there is no separator.
std::string format_fixed(double amount, int decimals, std::string_view separator);

/// The display format "#0.00".
inline std::string format_amount(double amount, std::string_view separator = ".") {
    return format_fixed(amount, 2, separator);
}

/// The amount as a plain whole number.
inline std::string format_whole(double amount) {
    return format_fixed(amount, 0, "");
}

/// The value that `format_fixed(amount, decimals, ...)` shows.
double shown_value(double amount, int decimals);

}  // namespace pay
