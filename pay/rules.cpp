#include "pay/rules.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

namespace pay {

std::string rule_number_text(double value) {
    // The shortest digits that read back to the value, never in exponent form: 0.00001, not
    // 1e-05; 150, not 150.0. The longest, a double's smallest or largest, has some 330 digits.
    std::array<char, 400> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                            value + 0.0, std::chars_format::fixed);
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
