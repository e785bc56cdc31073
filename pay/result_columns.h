#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "pay/slip_fields.h"

namespace pay {

/// The rows of each of the window's two result columns, which the printed slip keeps too.
inline constexpr std::size_t result_column_rows = 10;

/// The place in a column of the row that holds the sub-headings instead of a field.
inline constexpr std::size_t sub_heading_row = 4;

using ResultColumn = std::array<std::optional<SlipField>, result_column_rows>;

/// The window's result columns, top to bottom: each led by its total bar, with none at the row
/// of the sub-headings. The earnings are on the right, the deductions on the left.
inline constexpr ResultColumn earnings_column{
    SlipField::gross_total,
    SlipField::annual_base_salary,
    SlipField::residence_allowance,
    SlipField::special_charges_allowance,
    std::nullopt,
    SlipField::hierarchy_allowance,
    SlipField::charges_allowance,
    SlipField::supervision_allowance,
    SlipField::family_allowance,
    SlipField::family_exemption,
};
inline constexpr ResultColumn deductions_column{
    SlipField::total_deductions,        SlipField::retirement,  SlipField::income_tax,
    SlipField::foundation_contribution, std::nullopt,           SlipField::health_insurance,
    SlipField::general_mutual,          SlipField::mutual_fund, SlipField::taxable_amount,
    SlipField::tax_rate_label,
};
static_assert(!earnings_column[sub_heading_row] && !deductions_column[sub_heading_row],
              "the sub-headings' row holds no field");

/// The three boxes at the top of the window, top to bottom.
inline constexpr std::array<SlipField, 3> box_fields{SlipField::index_points, SlipField::annual_pay,
                                                     SlipField::monthly_pay};

}  // namespace pay
