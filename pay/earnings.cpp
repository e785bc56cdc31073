#include "pay/earnings.h"

#include "pay/count_text.h"
#include "pay/pay_slip.h"
#include "pay/percent.h"

namespace pay {

using namespace earnings_rules;

double base_salary_for(double index_points) {
    // Two additions in this order, not one of their sum.
    return ((index_points - base_index_floor) * value_of_index_point + base_first_addend) +
           base_second_addend;
}

std::optional<double> residence_rate(std::string_view zone) {
    for (std::size_t i = 0; i < zone_items.size(); ++i) {
        if (zone == zone_items[i]) {
            return zone_rates[i];
        }
    }
    return std::nullopt;
}

void compute_earnings(const PayInputs& inputs, PaySlip& slip) {
    slip.annual_base_salary = stored(base_salary_for(slip.index_points.value_or(0)));

    if (const auto rate = residence_rate(inputs.zone)) {
        slip.residence_allowance = stored(percent(slip.annual_base_salary, *rate));
    }

    if (const auto special = read_yes_no(inputs.special_charges)) {
        slip.special_charges_allowance =
            *special ? stored(percent(slip.annual_base_salary, special_charges_rate)) : 0;
    }

    if (const auto children = read_count(inputs.children).table_row) {
        slip.family_allowance = stored(family_allowance_for(*children));
    }

    // The total adds the family allowance to the unrounded sum, as one left-to-right sum would.
    const double before_family = slip.annual_base_salary + slip.residence_allowance +
                                 slip.special_charges_allowance + slip.hierarchy_allowance +
                                 slip.charges_allowance + slip.supervision_allowance;
    slip.gross_before_family = stored(before_family);
    slip.gross_total = stored(before_family + slip.family_allowance);
}

}  // namespace pay
