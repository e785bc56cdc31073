#pragma once

#include <string>
#include <string_view>

namespace pay {

/// An amount as the window shows it, and the value that text stands for.
struct ShownAmount {
    std::string text;
    double value = 0;
};

/// The 15-significant-digit decimal value of `amount`, rounded half away from zero to
/// `decimals` places and written with at least one digit before `separator`, no grouping and a
/// minus sign only when the shown amount is not zero. With no decimals there is no separator.
ShownAmount show_amount(double amount, int decimals, std::string_view separator);

inline std::string format_fixed(double amount, int decimals, std::string_view separator) {
    return show_amount(amount, decimals, separator).text;
}

/// The display format "#0.00".
inline std::string format_amount(double amount, std::string_view separator = ".") {
    return format_fixed(amount, 2, separator);
}

/// The amount as a plain whole number.
inline std::string format_whole(double amount) {
    return format_fixed(amount, 0, "");
}

/// The value that `format_fixed(amount, decimals, ...)` shows.
inline double shown_value(double amount, int decimals) {
    return show_amount(amount, decimals, ".").value;
}

}  // namespace pay
