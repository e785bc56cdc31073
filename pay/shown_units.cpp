#include "pay/shown_units.h"

#include <algorithm>
#include <limits>

namespace pay {

std::optional<ShownDecimal> read_shown_decimal(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (negative) {
        text.remove_prefix(1);
    }
    constexpr std::size_t most_kept_digits = 30;
    ShownDecimal number;
    bool separator_seen = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            if (number.digit_count < most_kept_digits) {
                number.digits = number.digits * 10 + (c - '0');
                number.decimals += separator_seen ? 1 : 0;
            }
            ++number.digit_count;
        } else if ((c == '.' || c == ',') && !separator_seen && number.digit_count > 0) {
            separator_seen = true;
        } else {
            return std::nullopt;
        }
    }
    if (number.digit_count == 0 || text.ends_with('.') || text.ends_with(',')) {
        return std::nullopt;
    }
    number.digits = negative ? -number.digits : number.digits;
    return number;
}

std::optional<std::int64_t> shown_units(std::string_view text) {
    // Eighteen digits at most: no shown amount comes near, and no sum of them overflows.
    constexpr std::size_t most_digits = std::numeric_limits<std::int64_t>::digits10;
    const std::optional<ShownDecimal> number = read_shown_decimal(text);
    if (!number || number->digit_count > most_digits) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(number->digits);
}

std::string units_text(WideInteger units, int decimals, char separator) {
    // The digits from the last, each taken off the number's own sign, so that the most negative
    // value is written too.
    std::string digits;
    WideInteger rest = units;
    do {
        const auto digit = static_cast<int>(rest % 10);
        digits.push_back(static_cast<char>('0' + (digit < 0 ? -digit : digit)));
        rest /= 10;
    } while (rest != 0);
    std::reverse(digits.begin(), digits.end());
    const auto places = static_cast<std::size_t>(decimals);
    if (places > 0) {
        if (digits.size() <= places) {
            digits.insert(0, places + 1 - digits.size(), '0');
        }
        digits.insert(digits.size() - places, 1, separator);
    }
    return (units < 0 ? "-" : "") + digits;
}

std::string difference_text(WideInteger units, int decimals, char separator) {
    return (units > 0 ? "+" : "") + units_text(units, decimals, separator);
}

std::string field_difference(SlipField field, std::string_view now, std::string_view before,
                             char separator) {
    const FieldDisplay display = field_info(field).display;
    if (display == FieldDisplay::label) {
        return {};
    }
    const std::optional<std::int64_t> now_units = shown_units(now);
    const std::optional<std::int64_t> before_units = shown_units(before);
    if (!now_units || !before_units) {
        return {};
    }
    return difference_text(*now_units - *before_units,
                           display == FieldDisplay::two_decimals ? 2 : 0, separator);
}

}  // namespace pay
