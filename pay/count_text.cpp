#include "pay/count_text.h"

#include <cstdint>

namespace pay {
namespace {

// The value of the decimal digit that starts `text`, and the length of its UTF-8 encoding.
struct Digit {
    int value = -1;
    std::size_t length = 0;
};

Digit digit_at(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const auto first = static_cast<unsigned char>(text[0]);
    if (first >= '0' && first <= '9') {
        return {first - '0', 1};
    }
    if (text.size() < 2) {
        return {};
    }
    const auto second = static_cast<unsigned char>(text[1]);
    // U+0660..U+0669 are D9 A0..D9 A9; U+06F0..U+06F9 are DB B0..DB B9.
    if (first == 0xD9 && second >= 0xA0 && second <= 0xA9) {
        return {second - 0xA0, 2};
    }
    if (first == 0xDB && second >= 0xB0 && second <= 0xB9) {
        return {second - 0xB0, 2};
    }
    return {};
}

std::size_t separator_length(std::string_view text) {
    if (!text.empty() && (text[0] == '.' || text[0] == ',')) {
        return 1;
    }
    constexpr std::string_view arabic_decimal_separator = "٫";
    if (text.starts_with(arabic_decimal_separator)) {
        return arabic_decimal_separator.size();
    }
    return 0;
}

}  // namespace

CountReading read_count(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) {
        text.remove_prefix(1);
    }
    // The whole part only matters while it is small; a long one is a number outside the table.
    std::int64_t whole = 0;
    bool whole_is_small = true;
    std::size_t whole_digits = 0;
    for (Digit d = digit_at(text); d.length > 0; d = digit_at(text)) {
        if (whole_is_small) {
            whole = whole * 10 + d.value;
            whole_is_small = whole <= 1000;
        }
        ++whole_digits;
        text.remove_prefix(d.length);
    }
    if (whole_digits == 0) {
        return {};
    }
    bool fraction_is_zero = true;
    if (const std::size_t sep = separator_length(text); sep > 0) {
        text.remove_prefix(sep);
        std::size_t fraction_digits = 0;
        for (Digit d = digit_at(text); d.length > 0; d = digit_at(text)) {
            fraction_is_zero = fraction_is_zero && d.value == 0;
            ++fraction_digits;
            text.remove_prefix(d.length);
        }
        if (fraction_digits == 0) {
            return {};
        }
    }
    if (!text.empty()) {
        return {};
    }
    CountReading reading{.is_number = true, .count = std::nullopt};
    // A negative zero is zero; any other negative number is outside the table.
    if (whole_is_small && fraction_is_zero && whole <= max_count && !(negative && whole != 0)) {
        reading.count = static_cast<int>(whole);
    }
    return reading;
}

}  // namespace pay
