#pragma once

#include <cstdint>
#include <optional>

namespace pay {

/// A magnitude's 15-significant-digit decimal value: `digits` / 10^`scale`.
struct Decimal15 {
    std::int64_t digits = 0;
    int scale = 0;
};

/// The 15-significant-digit value of a magnitude from 1e-8 up to 1e15, or zero, found with exact
/// integer arithmetic and rounded as std::to_chars rounds. None outside that range and for NaN:
/// callers then fall back to the decimal text of std::to_chars.
std::optional<Decimal15> fast_decimal15(double magnitude);

/// 10^n as a double, exact for 0 <= n <= 22.
double power_of_ten(int n);

}  // namespace pay
