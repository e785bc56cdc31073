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

void compute_earnings(const PayInputs& inputs, PaySlip& slip) {
    slip.annual_base_salary = stored(base_salary_for(slip.index_points.value_or(0)));

    for (std::size_t zone = 0; zone < zone_items.size(); ++zone) {
        if (inputs.zone == zone_items[zone]) {
            slip.residence_allowance = stored(percent(slip.annual_base_salary, zone_rates[zone]));
            break;
        }
    }

    if (inputs.special_charges == yes_text) {
        slip.special_charges_allowance =
            stored(percent(slip.annual_base_salary, special_charges_rate));
    } else if (inputs.special_charges == no_text) {
        slip.special_charges_allowance = 0;
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
