#pragma once

#include <compare>
#include <optional>
#include <string_view>

#include "pay/wide_integer.h"

namespace pay {

/// An exact fraction, for working a formula line with the numbers it shows: every shown number
/// is a decimal of a few places, so sums, products and quotients of them stay exact.
class Fraction {
  public:
    Fraction() = default;
    Fraction(WideInteger numerator, WideInteger denominator);

    friend Fraction operator+(const Fraction& a, const Fraction& b);
    friend Fraction operator-(const Fraction& a, const Fraction& b);
    friend Fraction operator*(const Fraction& a, const Fraction& b);
    /// Nothing when `b` is zero.
    friend std::optional<Fraction> divided(const Fraction& a, const Fraction& b);
    friend bool operator==(const Fraction& a, const Fraction& b) = default;
    friend std::strong_ordering operator<=>(const Fraction& a, const Fraction& b);

  private:
    WideInteger numerator_ = 0;
    WideInteger denominator_ = 1;  // above 0, and prime to the numerator
};

/// The exact value of a number as a formula line writes it: an optional minus sign, digits, and
/// decimals after a point or a comma, with " %" after a rate. Nothing for any other text.
std::optional<Fraction> shown_number(std::string_view text);

}  // namespace pay
