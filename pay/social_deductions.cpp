#include "pay/social_deductions.h"

#include <optional>

#include "pay/ceiling.h"
#include "pay/pay_slip.h"
#include "pay/percent.h"

namespace pay {

using namespace deduction_rules;

double contribution_base(const PaySlip& slip) {
    return percent(slip.annual_base_salary, base_salary_share) + slip.annual_base_salary +
           slip.hierarchy_allowance + slip.charges_allowance + slip.supervision_allowance;
}

void compute_social_deductions(const PayInputs& inputs, PaySlip& slip) {
    const double base = contribution_base(slip);
    slip.retirement = stored(percent(base, retirement_rate));
    slip.health_insurance = stored(percent(base, health_insurance_rate));

    const std::optional<bool> member = read_yes_no(inputs.mutual_member);
    if (member) {
        slip.general_mutual =
            *member ? stored(percent(slip.annual_base_salary, general_mutual_rate)) : 0;
        slip.mutual_fund = *member ? mutual_fund_amount : 0;
    }

    slip.health_insurance = capped(slip.health_insurance, health_insurance_ceiling);
    if (member.value_or(false)) {
        slip.general_mutual = capped(slip.general_mutual, general_mutual_ceiling);
    }
}

}  // namespace pay
