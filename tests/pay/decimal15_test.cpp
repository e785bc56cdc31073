#include "pay/decimal15.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "pay/amount_format.h"
#include "pay/pay_slip.h"

namespace {

std::string fifteen_digits(double value) {
    std::array<char, 40> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value,
                                   std::chars_format::scientific, 14);
    return std::string(text.data(), end.ptr);
}

// The standard library's reading of the 15-digit text: the definition of a stored amount.
double by_text(double value) {
    const std::string text = fifteen_digits(value);
    double result = 0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

// Amounts like the rules make (decimals, twelfths) and arbitrary doubles of every magnitude.
std::vector<double> samples() {
    std::mt19937_64 random(20261210);
    std::uniform_real_distribution<double> exponent(-10, 16);
    std::uniform_int_distribution<std::int64_t> cents(0, 100'000'000'00);
    std::vector<double> values;
    for (int i = 0; i < 100'000; ++i) {
        values.push_back(std::pow(10.0, exponent(random)));
        values.push_back(static_cast<double>(cents(random)) / 100);
        values.push_back(static_cast<double>(cents(random)) / 1000);
        values.push_back(static_cast<double>(cents(random)) / 1200);
        values.push_back(-static_cast<double>(cents(random)) / 10000 * 3);
    }
    values.insert(values.end(), {0.0, 1e-8, 1e15, 999999999999999.0, 99999999999999.95, 0.125,
                                 1234.565, 5e-324, 100000000000000.5, 100000000000001.5,
                                 999999999999999.5, 0.30000000000000004, 1e300});
    return values;
}

TEST(StoredAmount, IsTheDoubleNearestToItsFifteenDigitText) {
    for (const double value : samples()) {
        ASSERT_EQ(pay::round_to_15_digits(value), by_text(value)) << fifteen_digits(value);
    }
}

TEST(StoredAmount, DisplayAgreesWithTheBinaryRoundingAwayFromDecimalTies) {
    for (const double value : samples()) {
        // Above this, six decimals of the binary value no longer show its decimal ties.
        if (std::fabs(value) > 1e9) {
            continue;
        }
        const double kept = by_text(value);
        std::array<char, 64> text{};
        const auto end = std::to_chars(text.data(), text.data() + text.size(), kept,
                                       std::chars_format::fixed, 6);
        const std::string six(text.data(), end.ptr);
        // Decimal ties (third decimal 5 followed by zeros) round differently on purpose.
        if (six.ends_with("5000")) {
            continue;
        }
        const auto end2 = std::to_chars(text.data(), text.data() + text.size(), kept,
                                        std::chars_format::fixed, 2);
        std::string expected(text.data(), end2.ptr);
        if (expected == "-0.00") {
            expected = "0.00";
        }
        ASSERT_EQ(pay::format_amount(value), expected) << fifteen_digits(value);
    }
}

TEST(FastDecimal, RoundsAnExactHalfToEven) {
    // Doubles whose 16th significant digit is exactly a half.
    EXPECT_EQ(pay::fast_decimal15(100000000000000.5)->digits, 100000000000000);
    EXPECT_EQ(pay::fast_decimal15(100000000000001.5)->digits, 100000000000002);
    EXPECT_FALSE(pay::fast_decimal15(1e15).has_value());
    const auto decimal = pay::fast_decimal15(1234.565);
    ASSERT_TRUE(decimal.has_value());
    EXPECT_EQ(decimal->digits, 123456500000000);
    EXPECT_EQ(decimal->scale, 11);
}

}  // namespace
