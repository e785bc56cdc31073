#include "pay/decimal15.h"

#include <algorithm>
#include <array>
#include <bit>

namespace pay {
namespace {

__extension__ using Uint128 = unsigned __int128;

constexpr int max_exact_power = 22;  // 10^22 is the largest power of ten a double holds exactly

template <typename Number>
constexpr std::array<Number, max_exact_power + 1> powers_of_ten() {
    std::array<Number, max_exact_power + 1> powers{};
    Number value = 1;
    for (Number& power : powers) {
        power = value;
        value *= 10;
    }
    return powers;
}

constexpr auto powers = powers_of_ten<double>();
constexpr auto integer_powers = powers_of_ten<Uint128>();

constexpr std::uint64_t smallest_15_digits = 100'000'000'000'000;
constexpr std::uint64_t smallest_16_digits = 1'000'000'000'000'000;

}  // namespace

double power_of_ten(int n) {
    return powers[static_cast<std::size_t>(n)];
}

std::optional<Decimal15> fast_decimal15(double magnitude) {
    if (magnitude == 0) {
        return Decimal15{};
    }
    if (!(magnitude >= 1e-8 && magnitude < 1e15)) {
        return std::nullopt;
    }
    // magnitude = mantissa x 2^-shift exactly, so magnitude x 10^scale is an exact 128-bit
    // product shifted right: its whole part and its fraction come out without any rounding.
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto biased_exponent = static_cast<int>(bits >> 52);  // normal: the sign bit is clear
    const std::uint64_t mantissa =
        (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int shift = 1075 - biased_exponent;     // from 4 to 80 over the range above
    const int exponent = biased_exponent - 1022;  // magnitude in [2^(exponent-1), 2^exponent)
    const auto scaled_by = [&](int scale) {
        return static_cast<Uint128>(mantissa) * integer_powers[static_cast<std::size_t>(scale)];
    };
    const auto whole_of = [&](Uint128 product) {
        return static_cast<std::uint64_t>(product >> shift);
    };

    // A first guess at the scale that gives 15 digits, from the binary exponent, corrected once
    // where it is one off.
    // floor((exponent - 1) x log10 2), with log10 2 as 78913 / 2^18.
    int scale = 14 - (((exponent - 1) * 78913) >> 18);
    scale = std::clamp(scale, 0, max_exact_power);
    Uint128 product = scaled_by(scale);
    if (whole_of(product) < smallest_15_digits && scale < max_exact_power) {
        product = scaled_by(++scale);
    } else if (whole_of(product) >= smallest_16_digits && scale > 0) {
        product = scaled_by(--scale);
    }
    std::uint64_t digits = whole_of(product);
    if (digits < smallest_15_digits || digits >= smallest_16_digits) {
        return std::nullopt;
    }
    // Round the dropped fraction to nearest, an exact half to even, as std::to_chars does.
    const Uint128 half = Uint128{1} << (shift - 1);
    const Uint128 dropped = product & ((half << 1) - 1);
    if (dropped > half || (dropped == half && digits % 2 == 1)) {
        ++digits;
    }
    if (digits == smallest_16_digits) {
        if (scale == 0) {
            return std::nullopt;
        }
        digits /= 10;
        --scale;
    }
    return Decimal15{static_cast<std::int64_t>(digits), scale};
}

}  // namespace pay
