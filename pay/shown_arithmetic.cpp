#include "pay/shown_arithmetic.h"

#include <algorithm>

namespace pay {
namespace {

WideInteger magnitude(WideInteger value) {
    return value < 0 ? -value : value;
}

WideInteger gcd(WideInteger a, WideInteger b) {
    a = magnitude(a);
    b = magnitude(b);
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
    numerator_ = common == 0 ? 0 : numerator / common;
    denominator_ = common == 0 ? 1 : denominator / common;
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
    bool negative = false;
    if (text.starts_with('-')) {
        negative = true;
        text.remove_prefix(1);
    } else if (text.starts_with("−")) {
        negative = true;
        text.remove_prefix(std::string_view("−").size());
    }
    // Shown numbers hold at most 15 significant digits; a longer text is no shown number.
    if (text.empty() || text.size() > 24) {
        return std::nullopt;
    }
    WideInteger digits = 0;
    WideInteger scale = 1;
    bool after_point = false;
    bool any_digit = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digits = digits * 10 + (c - '0');
            scale *= after_point ? 10 : 1;
            any_digit = true;
        } else if ((c == '.' || c == ',') && !after_point && any_digit) {
            after_point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!any_digit || (after_point && scale == 1)) {
        return std::nullopt;
    }
    return Fraction(negative ? -digits : digits, scale);
}

}  // namespace pay
