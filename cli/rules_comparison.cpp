#include "cli/rules_comparison.h"

#include "pay/shown_units.h"

namespace cli {

namespace {

constexpr std::string_view previous_monthly_pay_column = "previous_monthly_pay";
constexpr std::string_view monthly_difference_column = "monthly_difference";
constexpr std::string_view arrears_column = "arrears";

}  // namespace

std::vector<std::string> rules_comparison_columns(const RulesComparison& comparison) {
    std::vector<std::string> columns{std::string(previous_monthly_pay_column),
                                     std::string(monthly_difference_column)};
    if (comparison.months > 0) {
        columns.emplace_back(arrears_column);
    }
    return columns;
}

std::optional<MonthlyDifference> monthly_difference(std::string_view in_effect,
                                                    std::string_view previous,
                                                    const RulesComparison& comparison,
                                                    char separator) {
    const std::optional<std::int64_t> now = pay::shown_units(in_effect);
    const std::optional<std::int64_t> before = pay::shown_units(previous);
    if (!now || !before) {
        return std::nullopt;
    }
    MonthlyDifference difference;
    difference.monthly_difference = pay::WideInteger{*now} - *before;
    difference.arrears = difference.monthly_difference * comparison.months;
    difference.values = {std::string(previous),
                         pay::difference_text(difference.monthly_difference, 2, separator)};
    if (comparison.months > 0) {
        difference.values.push_back(pay::difference_text(difference.arrears, 2, separator));
    }
    return difference;
}

}  // namespace cli
