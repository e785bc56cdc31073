#pragma once

#include <array>
#include <string>
#include <string_view>

namespace pay {

struct PaySlip;

/// The shown fields of a slip, earnings column first, then deductions, tax and pay.
enum class SlipField {
    index_points,
    annual_base_salary,
    residence_allowance,
    special_charges_allowance,
    hierarchy_allowance,
    charges_allowance,
    supervision_allowance,
    family_allowance,
    gross_total,
    retirement,
    health_insurance,
    general_mutual,
    mutual_fund,
    foundation_contribution,
    taxable_amount,
    tax_rate_label,
    family_exemption,
    income_tax,
    total_deductions,
    annual_pay,
    monthly_pay,
};

inline constexpr std::size_t slip_field_count = 21;

struct SlipFieldInfo {
    SlipField field;
    /// The field's name in the `PaySlip` and as a column of the batch calculator.
    std::string_view name;
    /// The caption of the label beside the field in the window.
    std::string_view label;
    /// The result field of the window.
    std::string_view control;
    /// What the window shows before the first computation.
    std::string_view start_text;
};

extern const std::array<SlipFieldInfo, slip_field_count> slip_fields;

const SlipFieldInfo& field_info(SlipField field);

/// The texts of the result fields, indexed by `SlipField`.
using ShownTexts = std::array<std::string, slip_field_count>;

/// What the window shows before the first computation.
ShownTexts start_texts();

/// The texts a computed slip shows: "#0.00" with `separator`, the mutual fund as a whole number
/// and the rate label as it is.
ShownTexts shown_texts(const PaySlip& slip, std::string_view separator);

/// Settles each shown amount of `slip` to the value its text shows, so that a field the next
/// computation leaves unwritten carries what the window showed.
void settle_to_shown(PaySlip& slip);

/// `shown_texts` and `settle_to_shown` in one pass, as the OK action does them.
ShownTexts show_and_settle(PaySlip& slip, std::string_view separator);

}  // namespace pay
