#include "cli/compare_output.h"

#include <nlohmann/json.hpp>

#include <array>
#include <string_view>
#include <vector>

#include "cli/row_format.h"
#include "pay/amount_format.h"
#include "staff/choice_aliases.h"
#include "staff/refusal_text.h"
#include "staff/utf8.h"

namespace cli {

// velnaro-calc reads and writes through the staff-file library.
using namespace staff;
namespace {

constexpr std::string_view current_column = "current";
constexpr std::array<std::string_view, 7> amount_columns{
    "gross_total", "total_deductions",   "income_tax",       "annual_pay",
    "monthly_pay", "monthly_difference", "annual_difference"};

std::vector<std::string_view> column_names(const pay::Comparison& comparison) {
    std::vector<std::string_view> names{pay::choice_name(pay::axis_choice(comparison.axis))};
    if (comparison.axis == pay::CompareAxis::scale) {
        names.push_back(pay::choice_name(pay::Choice::rank));
    }
    names.insert(names.end(), amount_columns.begin(), amount_columns.end());
    names.push_back(current_column);
    return names;
}

std::vector<std::string> row_values(const pay::Comparison& comparison, std::size_t index) {
    const pay::ComparisonRow& row = comparison.rows[index];
    std::vector<std::string> values{
        pay::choice_text(row.inputs, pay::axis_choice(comparison.axis))};
    if (comparison.axis == pay::CompareAxis::scale) {
        values.push_back(row.inputs.rank);
    }
    for (const double amount :
         {row.slip.gross_total, row.slip.total_deductions, row.slip.income_tax,
          row.slip.annual_pay.value_or(0), row.slip.monthly_pay.value_or(0)}) {
        values.push_back(pay::format_amount(amount));
    }
    values.push_back(pay::format_difference(row.monthly_difference));
    values.push_back(pay::format_difference(row.annual_difference));
    values.emplace_back(comparison.current == index ? "yes" : "no");
    return values;
}

std::string joined_scales(const std::vector<pay::Scale>& scales) {
    std::string text;
    for (const pay::Scale scale : scales) {
        text += text.empty() ? "" : ", ";
        text += pay::scale_text(scale);
    }
    return text;
}

}  // namespace

std::string comparison_csv(const pay::Comparison& comparison) {
    std::string text;
    const auto names = column_names(comparison);
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += i > 0 ? "," : "";
        append_csv_field(names[i], text);
    }
    text += '\n';
    for (std::size_t row = 0; row < comparison.rows.size(); ++row) {
        const auto values = row_values(comparison, row);
        for (std::size_t i = 0; i < values.size(); ++i) {
            text += i > 0 ? "," : "";
            append_csv_field(values[i], text);
        }
        text += '\n';
    }
    return text;
}

std::string comparison_json_lines(const pay::Comparison& comparison) {
    std::string text;
    const auto names = column_names(comparison);
    for (std::size_t row = 0; row < comparison.rows.size(); ++row) {
        const auto values = row_values(comparison, row);
        nlohmann::ordered_json object = nlohmann::ordered_json::object();
        for (std::size_t i = 0; i < names.size(); ++i) {
            object[std::string(names[i])] = values[i];
        }
        text += object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        text += '\n';
    }
    return text;
}

ExitStatus run_compare(const pay::PayInputs& typed, pay::CompareAxis axis, bool json,
                       std::ostream& out, std::ostream& err) {
    for (const pay::Choice choice : pay::all_choices) {
        if (!is_valid_utf8(pay::choice_text(typed, choice))) {
            err << "velnaro-calc: invalid UTF-8 in " << pay::choice_name(choice) << '\n';
            return ExitStatus::row_errors;
        }
    }
    const Resolution resolution = resolve_choices(typed);
    if (!resolution.choices) {
        err << "velnaro-calc: " << resolution.error << '\n';
        return ExitStatus::row_errors;
    }
    const pay::ComparisonOutcome outcome =
        pay::compare_pay(resolution.choices->inputs(), resolution.choices->typed, axis);
    if (!outcome.comparison) {
        err << "velnaro-calc: " << describe(*outcome.refusal) << '\n';
        return ExitStatus::row_errors;
    }
    const pay::Comparison& comparison = *outcome.comparison;
    out << (json ? comparison_json_lines(comparison) : comparison_csv(comparison));
    if (!comparison.left_out.empty()) {
        err << "velnaro-calc: note: " << comparison.left_out.size()
            << (comparison.left_out.size() == 1 ? " scale" : " scales")
            << " left out, with no rank at the place of rank " << comparison.own.rank
            << " in their list: " << joined_scales(comparison.left_out) << '\n';
    }
    return ExitStatus::ok;
}

}  // namespace cli
