// Rule sets and shown differences for the tests of --rules and --compare-rules.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "pay/rules.h"

namespace test_rules {

/// The built-in rules with another name and day and a raised index point value: every monthly
/// pay is higher under them, as the base salary and everything computed from it rise.
inline pay::PayRules raised_point_value() {
    pay::PayRules rules = pay::built_in_rules();
    rules.name = "2011";
    rules.effective = {.year = 2011, .month = 1, .day = 1};
    rules.base_salary.index_point_value += 1.5;
    return rules;
}

/// A shown two-decimal amount in cents: its text without the decimal separator.
inline std::int64_t cents(std::string_view shown) {
    std::string digits;
    for (const char c : shown) {
        if (c != '.' && c != ',') {
            digits += c;
        }
    }
    return std::stoll(digits);
}

/// Cents as a comparison shows a difference: "+12.30", "-0.05", "0.00".
inline std::string signed_amount(std::int64_t cents, char separator = '.') {
    const std::int64_t magnitude = cents < 0 ? -cents : cents;
    std::string fraction = std::to_string(magnitude % 100);
    if (fraction.size() < 2) {
        fraction.insert(0, "0");
    }
    const std::string sign = cents > 0 ? "+" : cents < 0 ? "-" : "";
    return sign + std::to_string(magnitude / 100) + separator + fraction;
}

}  // namespace test_rules
