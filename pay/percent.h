#pragma once

namespace pay {

/// A percentage as every rule takes it: the amount divided by 100, then times the rate.
constexpr double percent(double amount, double rate) {
    return amount / 100 * rate;
}

}  // namespace pay
