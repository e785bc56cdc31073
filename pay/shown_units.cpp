#include "pay/shown_units.h"

#include <algorithm>
#include <limits>

namespace pay {

namespace {

// The digits of a text already read and longer than a plain integer holds, the first
// `most_kept_digits` of them, and how many of those stand after the separator.
void keep_wide_digits(std::string_view text, ShownDecimal& number) {
    constexpr std::size_t most_kept_digits = 30;
    number.digits = 0;
    number.decimals = 0;
    std::size_t kept = 0;
    bool separator_seen = false;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            separator_seen = true;
        } else if (kept < most_kept_digits) {
            number.digits = number.digits * 10 + (c - '0');
            number.decimals += separator_seen ? 1 : 0;
            ++kept;
        }
    }
}

// Eighteen digits, all a shown amount has, fit a plain integer.
constexpr std::size_t narrow_digits = std::numeric_limits<std::int64_t>::digits10;

// A shown number's digits as the text writes them, the first eighteen in a plain integer.
struct ScannedDigits {
    bool negative = false;
    std::int64_t narrow = 0;
    std::size_t count = 0;
    std::size_t whole = 0;
    bool separator = false;
};

// The one reading of a shown number's text, which both readers below share.
std::optional<ScannedDigits> scan(std::string_view text) {
    ScannedDigits scanned;
    scanned.negative = text.starts_with('-');
    if (scanned.negative) {
        text.remove_prefix(1);
    }
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            scanned.narrow =
                scanned.count < narrow_digits ? scanned.narrow * 10 + (c - '0') : scanned.narrow;
            ++scanned.count;
        } else if ((c == '.' || c == ',') && !scanned.separator && scanned.count > 0) {
            scanned.separator = true;
            scanned.whole = scanned.count;
        } else {
            return std::nullopt;
        }
    }
    if (scanned.count == 0 || text.ends_with('.') || text.ends_with(',')) {
        return std::nullopt;
    }
    return scanned;
}

}  // namespace

std::optional<ShownDecimal> read_shown_decimal(std::string_view text) {
    const std::optional<ScannedDigits> scanned = scan(text);
    if (!scanned) {
        return std::nullopt;
    }
    ShownDecimal number{
        .digits = scanned->narrow,
        .decimals = scanned->separator ? static_cast<int>(scanned->count - scanned->whole) : 0,
        .digit_count = scanned->count};
    if (scanned->count > narrow_digits) {
        keep_wide_digits(scanned->negative ? text.substr(1) : text, number);
    }
    number.digits = scanned->negative ? -number.digits : number.digits;
    return number;
}

std::optional<std::int64_t> shown_units(std::string_view text) {
    // Eighteen digits at most: no shown amount comes near, and no sum of them overflows.
    const std::optional<ScannedDigits> scanned = scan(text);
    if (!scanned || scanned->count > narrow_digits) {
        return std::nullopt;
    }
    return scanned->negative ? -scanned->narrow : scanned->narrow;
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
