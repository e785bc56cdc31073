#include "pay/shown_arithmetic.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>

#include "pay/shown_units.h"

namespace pay {
namespace {

WideInteger magnitude(WideInteger value) {
    return value < 0 ? -value : value;
}

WideInteger gcd(WideInteger a, WideInteger b) {
    a = magnitude(a);
    b = magnitude(b);
    // Shown numbers and most of their sums fit 64 bits, where a division is a machine
    // instruction rather than a library call.
    constexpr WideInteger narrow = std::numeric_limits<std::uint64_t>::max();
    if (a <= narrow && b <= narrow) {
        return std::gcd(static_cast<std::uint64_t>(a), static_cast<std::uint64_t>(b));
    }
    while (b != 0) {
        const WideInteger rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

}  // namespace

Fraction::Fraction(WideInteger numerator, WideInteger denominator) {
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const WideInteger common = gcd(numerator, denominator);
    if (common == 0) {
        numerator_ = 0;
        denominator_ = 1;
        return;
    }
    constexpr WideInteger low = std::numeric_limits<std::int64_t>::min();
    constexpr WideInteger high = std::numeric_limits<std::int64_t>::max();
    if (numerator >= low && numerator <= high && denominator <= high) {
        const auto divisor = static_cast<std::int64_t>(common);
        numerator_ = static_cast<std::int64_t>(numerator) / divisor;
        denominator_ = static_cast<std::int64_t>(denominator) / divisor;
        return;
    }
    numerator_ = numerator / common;
    denominator_ = denominator / common;
}

Fraction operator+(const Fraction& a, const Fraction& b) {
    return {a.numerator_ * b.denominator_ + b.numerator_ * a.denominator_,
            a.denominator_ * b.denominator_};
}

Fraction operator-(const Fraction& a, const Fraction& b) {
    return {a.numerator_ * b.denominator_ - b.numerator_ * a.denominator_,
            a.denominator_ * b.denominator_};
}

Fraction operator*(const Fraction& a, const Fraction& b) {
    return {a.numerator_ * b.numerator_, a.denominator_ * b.denominator_};
}

std::optional<Fraction> divided(const Fraction& a, const Fraction& b) {
    if (b.numerator_ == 0) {
        return std::nullopt;
    }
    return Fraction(a.numerator_ * b.denominator_, a.denominator_ * b.numerator_);
}

std::strong_ordering operator<=>(const Fraction& a, const Fraction& b) {
    return a.numerator_ * b.denominator_ <=> b.numerator_ * a.denominator_;
}

std::optional<Fraction> shown_number(std::string_view text) {
    if (text.ends_with(" %")) {
        text.remove_suffix(2);
    }
    // A formula line writes a minus sign as "−".
    bool negative = false;
    if (text.starts_with("−")) {
        negative = true;
        text.remove_prefix(std::string_view("−").size());
        if (text.starts_with('-')) {
            return std::nullopt;
        }
    }
    // Shown numbers hold at most 15 significant digits; a longer text is no shown number.
    if (text.size() > (text.starts_with('-') ? 25U : 24U)) {
        return std::nullopt;
    }
    const std::optional<ShownDecimal> number = read_shown_decimal(text);
    if (!number) {
        return std::nullopt;
    }
    WideInteger scale = 1;
    for (int i = 0; i < number->decimals; ++i) {
        scale *= 10;
    }
    return Fraction(negative ? -number->digits : number->digits, scale);
}

}  // namespace pay
