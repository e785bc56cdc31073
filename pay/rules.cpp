#include "pay/rules.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace pay {

std::string rule_number_text(double value) {
    std::array<char, 32> buffer{};
    // Whole values are written as whole numbers: 150, not 150.0 or 1.5e+02.
    const auto [end, error] =
        std::abs(value) < 1e15 && value == std::trunc(value)
            ? std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                            static_cast<long long>(value))
            : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc{} ? std::string(buffer.data(), end) : std::string("nan");
}

std::string tax_rate_label(double rate) {
    return rule_number_text(rate) + " %";
}

std::string iso_date(RulesDate date) {
    std::array<char, 32> text{};
    const int length =
        std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", date.year, date.month, date.day);
    return {text.data(), static_cast<std::size_t>(std::max(length, 0))};
}

std::string rule_set_title(const PayRules& rules) {
    return rules.name + " (" + iso_date(rules.effective) + ")";
}

}  // namespace pay
