#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pay/rules.h"
#include "pay/slip_fields.h"
#include "pay/wide_integer.h"

namespace cli {

/// What --compare-rules asks for: the previous rules, to set beside the rules in effect, and the
/// months of arrears (0 for none).
struct RulesComparison {
    const pay::PayRules* previous = nullptr;
    int months = 0;
};

/// The most months of arrears --months takes.
inline constexpr int most_arrears_months = 600;

/// The columns a comparison of rules adds to a row, after monthly_pay: previous_monthly_pay,
/// monthly_difference and, with months of arrears, arrears.
std::vector<std::string> rules_comparison_columns(const RulesComparison& comparison);

/// One slip's monthly pay under the rules in effect beside the previous rules'.
struct MonthlyDifference {
    /// The values of `rules_comparison_columns`, in their order.
    std::vector<std::string> values;
    /// In effect less previous, in hundredths: the difference of the two shown amounts. Wide, as
    /// the arrears, so that neither wraps whatever the shown amounts.
    pay::WideInteger monthly_difference = 0;
    /// The months of arrears times `monthly_difference`, in hundredths.
    pay::WideInteger arrears = 0;
};

/// The difference of the monthly pay texts shown under the rules in effect and the previous
/// rules, written with `separator`; none when either is no amount.
std::optional<MonthlyDifference> monthly_difference(std::string_view in_effect,
                                                    std::string_view previous,
                                                    const RulesComparison& comparison,
                                                    char separator);

}  // namespace cli
