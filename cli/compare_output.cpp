#include "cli/compare_output.h"

#include <nlohmann/json.hpp>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "cli/row_format.h"
#include "language/pay_texts.h"
#include "pay/amount_format.h"
#include "pay/slip_fields.h"
#include "staff/choice_aliases.h"
#include "staff/messages.h"
#include "staff/refusal_text.h"
#include "staff/utf8.h"

namespace cli {

// velnaro-calc reads and writes through the staff-file library.
using namespace staff;
namespace {

constexpr std::string_view current_column = "current";
// The amounts of each row, their columns named as the slip's fields are everywhere.
constexpr std::array<pay::SlipField, 5> amount_fields{
    pay::SlipField::gross_total, pay::SlipField::total_deductions, pay::SlipField::income_tax,
    pay::SlipField::annual_pay, pay::SlipField::monthly_pay};
constexpr std::array<std::string_view, 2> difference_columns{"monthly_difference",
                                                             "annual_difference"};

std::vector<std::string_view> column_names(const pay::Comparison& comparison) {
    std::vector<std::string_view> names{pay::choice_name(pay::axis_choice(comparison.axis))};
    if (comparison.axis == pay::CompareAxis::scale) {
        names.push_back(pay::choice_name(pay::Choice::rank));
    }
    for (const pay::SlipField field : amount_fields) {
        names.push_back(pay::field_info(field).name);
    }
    names.insert(names.end(), difference_columns.begin(), difference_columns.end());
    names.push_back(current_column);
    return names;
}

std::vector<std::string> row_values(const pay::Comparison& comparison, std::size_t index,
                                    const language::Catalogue& catalogue) {
    const pay::ComparisonRow& row = comparison.rows[index];
    std::vector<std::string> values{language::pay_text_utf8(
        catalogue, pay::choice_text(row.inputs, pay::axis_choice(comparison.axis)))};
    if (comparison.axis == pay::CompareAxis::scale) {
        values.push_back(language::pay_text_utf8(catalogue, row.inputs.rank));
    }
    for (const pay::SlipField field : amount_fields) {
        values.push_back(pay::format_amount(pay::amount_of(row.slip, field).value_or(0)));
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

std::string comparison_csv(const pay::Comparison& comparison,
                           const language::Catalogue& catalogue) {
    std::string text;
    const auto names = column_names(comparison);
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += i > 0 ? "," : "";
        append_csv_field(names[i], text);
    }
    text += '\n';
    for (std::size_t row = 0; row < comparison.rows.size(); ++row) {
        const auto values = row_values(comparison, row, catalogue);
        for (std::size_t i = 0; i < values.size(); ++i) {
            text += i > 0 ? "," : "";
            append_csv_field(values[i], text);
        }
        text += '\n';
    }
    return text;
}

std::string comparison_json_lines(const pay::Comparison& comparison,
                                  const language::Catalogue& catalogue) {
    std::string text;
    const auto names = column_names(comparison);
    for (std::size_t row = 0; row < comparison.rows.size(); ++row) {
        const auto values = row_values(comparison, row, catalogue);
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
                       std::ostream& out, std::ostream& err, const pay::PayRules& rules,
                       const language::Catalogue& catalogue) {
    for (const pay::Choice choice : pay::all_choices) {
        if (!is_valid_utf8(pay::choice_text(typed, choice))) {
            report(err, calc_program, "invalid UTF-8 in " + std::string(pay::choice_name(choice)));
            return ExitStatus::row_errors;
        }
    }
    const Resolution resolution = resolve_choices(typed);
    if (!resolution.choices) {
        report(err, calc_program, resolution.error);
        return ExitStatus::row_errors;
    }
    const pay::ComparisonOutcome outcome =
        pay::compare_pay(resolution.choices->inputs(), resolution.choices->typed, axis, rules);
    if (!outcome.comparison) {
        report(err, calc_program, describe(*outcome.refusal));
        return ExitStatus::row_errors;
    }
    const pay::Comparison& comparison = *outcome.comparison;
    out << (json ? comparison_json_lines(comparison, catalogue)
                 : comparison_csv(comparison, catalogue));
    if (!comparison.left_out.empty()) {
        const std::size_t count = comparison.left_out.size();
        report(err, calc_program,
               "note: " + std::to_string(count) + (count == 1 ? " scale" : " scales") +
                   " left out, with no rank at the place of rank " + comparison.own.rank +
                   " in their list: " + joined_scales(comparison.left_out));
    }
    return ExitStatus::ok;
}

}  // namespace cli
