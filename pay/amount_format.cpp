#include "pay/amount_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

#include "pay/decimal15.h"

namespace pay {
namespace {

constexpr std::int64_t integer_power_of_ten(int n) {
    std::int64_t value = 1;
    for (int i = 0; i < n; ++i) {
        value *= 10;
    }
    return value;
}

// Divides by 10^N, rounding half away from zero; a constant divisor compiles to a multiplication.
template <int N>
std::int64_t divide_rounded(std::int64_t value) {
    constexpr std::int64_t unit = integer_power_of_ten(N);
    const std::int64_t quotient = value / unit;
    return 2 * (value % unit) >= unit ? quotient + 1 : quotient;
}

template <int... N>
constexpr auto make_dividers(std::integer_sequence<int, N...>) {
    return std::array<std::int64_t (*)(std::int64_t), sizeof...(N)>{&divide_rounded<N>...};
}

constexpr auto dividers = make_dividers(std::make_integer_sequence<int, 19>{});

// The magnitude in units of 10^-decimals, rounded half away from zero from its
// 15-significant-digit value; none where the integer path cannot tell.
std::optional<std::int64_t> rounded_units(double magnitude, int decimals) {
    const std::optional<Decimal15> decimal = fast_decimal15(magnitude);
    if (!decimal) {
        return std::nullopt;
    }
    const int dropped = decimal->scale - decimals;
    if (dropped <= 0) {
        return decimal->digits * integer_power_of_ten(-dropped);
    }
    if (dropped >= static_cast<int>(dividers.size())) {
        return 0;  // 15 digits stay below half of 10^19
    }
    return dividers[static_cast<std::size_t>(dropped)](decimal->digits);
}

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

ShownAmount show_amount(double amount, int decimals, std::string_view separator) {
    if (!std::isfinite(amount)) {
        std::array<char, 8> text{};
        const auto written = std::to_chars(text.data(), text.data() + text.size(), amount);
        return {std::string(text.data(), written.ptr), amount};
    }
    const auto places = static_cast<std::size_t>(decimals);
    const double magnitude = std::fabs(amount);
    std::array<char, 24> buffer{};
    std::string slow_digits;
    std::string_view digits;
    const std::optional<std::int64_t> units = rounded_units(magnitude, decimals);
    if (units) {
        const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), *units);
        digits =
            std::string_view(buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()));
    } else {
        slow_digits = scaled_digits(magnitude, decimals);
        digits = slow_digits;
    }
    const bool negative = amount < 0 && digits.find_first_not_of('0') != std::string_view::npos;
    const std::size_t whole_size = digits.size() > places ? digits.size() - places : 0;
    // Written in place: the texts are short, and appending piece by piece costs more than the
    // rest of the formatting.
    const auto compose = [&](std::string_view point) {
        const std::size_t whole_digits = whole_size > 0 ? whole_size : 1;
        const std::size_t size =
            (negative ? 1 : 0) + whole_digits + (places > 0 ? point.size() + places : 0);
        std::string text(size, '0');  // the padding zeros are already in place
        char* out = text.data();
        if (negative) {
            *out++ = '-';
        }
        out = whole_size > 0 ? std::copy_n(digits.data(), whole_size, out) : out + 1;
        if (places > 0) {
            out = std::copy(point.begin(), point.end(), out);
            const std::string_view fraction = digits.substr(whole_size);
            std::copy(fraction.begin(), fraction.end(), text.data() + size - fraction.size());
        }
        return text;
    };

    ShownAmount shown{compose(separator), amount};
    constexpr std::int64_t exact_integers = std::int64_t{1} << 53;
    if (units && *units < exact_integers) {
        // Both operands are exact, so the quotient is the double nearest to the shown decimal.
        const double value = static_cast<double>(*units) / power_of_ten(decimals);
        shown.value = negative ? -value : value;
    } else {
        const std::string plain = compose(".");
        std::from_chars(plain.data(), plain.data() + plain.size(), shown.value);
    }
    return shown;
}

}  // namespace pay
