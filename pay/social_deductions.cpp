#include "pay/social_deductions.h"

#include "pay/pay_slip.h"
#include "pay/percent.h"

namespace pay {

using namespace deduction_rules;

void compute_social_deductions(const PayInputs& inputs, PaySlip& slip) {
    const double contribution_base = percent(slip.annual_base_salary, base_salary_share) +
                                     slip.annual_base_salary + slip.hierarchy_allowance +
                                     slip.charges_allowance + slip.supervision_allowance;
    slip.retirement = stored(percent(contribution_base, retirement_rate));
    slip.health_insurance = stored(percent(contribution_base, health_insurance_rate));

    const bool member = inputs.mutual_member == yes_text;
    if (member) {
        slip.general_mutual = stored(percent(slip.annual_base_salary, general_mutual_rate));
        slip.mutual_fund = mutual_fund_amount;
    } else if (inputs.mutual_member == no_text) {
        slip.general_mutual = 0;
        slip.mutual_fund = 0;
    }

    if (slip.health_insurance >= health_insurance_ceiling) {
        slip.health_insurance = health_insurance_ceiling;
    }
    if (member && slip.general_mutual >= general_mutual_ceiling) {
        slip.general_mutual = general_mutual_ceiling;
    }
}

}  // namespace pay
