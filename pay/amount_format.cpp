#include "pay/amount_format.h"

#include <array>
#include <charconv>
#include <cmath>

namespace pay {
namespace {

// The digits of a non-negative amount to `decimals` places, rounded half away from zero from
// its 15-significant-digit decimal value, with no separator: 1234.565 at 2 places is "123457".
std::string scaled_digits(double magnitude, int decimals) {
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                       std::chars_format::scientific, 14);
    const std::string_view sci(text.data(), static_cast<std::size_t>(written.ptr - text.data()));
    const std::size_t e_pos = sci.find('e');
    std::string mantissa;  // 15 digits d0 d1 ... d14, the value being d0.d1...d14 x 10^exponent
    for (const char c : sci.substr(0, e_pos)) {
        if (c != '.') {
            mantissa += c;
        }
    }
    int exponent = 0;
    const std::string_view exp_text = sci.substr(e_pos + 1);
    std::from_chars(exp_text.data() + (exp_text.front() == '+' ? 1 : 0),
                    exp_text.data() + exp_text.size(), exponent);

    // Digit i weighs 10^(exponent - i); keep those down to 10^-decimals.
    const int kept = exponent + decimals + 1;
    if (kept <= 0) {
        // Below half of the last place unless the first dropped digit is that place's half.
        return kept == 0 && mantissa[0] >= '5' ? "1" : "0";
    }
    const auto kept_size = static_cast<std::size_t>(kept);
    if (kept_size >= mantissa.size()) {
        return mantissa + std::string(kept_size - mantissa.size(), '0');
    }
    std::string digits = mantissa.substr(0, kept_size);
    if (mantissa[kept_size] >= '5') {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') {
            digits[--i] = '0';
        }
        if (i == 0) {
            digits.insert(digits.begin(), '1');
        } else {
            ++digits[i - 1];
        }
    }
    return digits;
}

}  // namespace

std::string format_fixed(double amount, int decimals, std::string_view separator) {
    if (!std::isfinite(amount)) {
        std::array<char, 8> text{};
        const auto written = std::to_chars(text.data(), text.data() + text.size(), amount);
        return std::string(text.data(), written.ptr);
    }
    std::string digits = scaled_digits(std::fabs(amount), decimals);
    const auto places = static_cast<std::size_t>(decimals);
    if (digits.size() < places + 1) {
        digits.insert(0, places + 1 - digits.size(), '0');
    }
    const bool shows_zero = digits.find_first_not_of('0') == std::string::npos;
    std::string result = amount < 0 && !shows_zero ? "-" : "";
    result += digits.substr(0, digits.size() - places);
    if (places > 0) {
        result += separator;
        result += digits.substr(digits.size() - places);
    }
    return result;
}

double shown_value(double amount, int decimals) {
    const std::string text = format_fixed(amount, decimals, ".");
    double value = amount;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace pay
