#pragma once

namespace pay {

/// Whether an amount reaches its ceiling: a ceiling replaces an amount equal to it or above it.
constexpr bool reaches_ceiling(double amount, double ceiling) {
    return amount >= ceiling;
}

/// The amount, or the ceiling when the amount reaches it.
constexpr double capped(double amount, double ceiling) {
    return reaches_ceiling(amount, ceiling) ? ceiling : amount;
}

}  // namespace pay
