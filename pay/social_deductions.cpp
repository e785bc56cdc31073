#include "pay/social_deductions.h"

#include "pay/ceiling.h"
#include "pay/pay_slip.h"
#include "pay/percent.h"
#include "pay/trace.h"

namespace pay {
namespace {

using Op = TermOperation;

template <class Trace>
double contribution_base(const PaySlip& slip, const ContributionRules& rules, Trace& trace) {
    trace.field(SlipField::annual_base_salary, slip.annual_base_salary, Op::first);
    trace.term(Quantity::base_salary_share, rules.base_salary_share, Op::percent_of);
    trace.field(SlipField::annual_base_salary, slip.annual_base_salary, Op::plus);
    trace.field(SlipField::hierarchy_allowance, slip.hierarchy_allowance, Op::plus);
    trace.field(SlipField::charges_allowance, slip.charges_allowance, Op::plus);
    trace.field(SlipField::supervision_allowance, slip.supervision_allowance, Op::plus);
    const double base = percent(slip.annual_base_salary, rules.base_salary_share) +
                        slip.annual_base_salary + slip.hierarchy_allowance +
                        slip.charges_allowance + slip.supervision_allowance;
    trace.gives(Quantity::contribution_base, base);
    return base;
}

}  // namespace

template <class Trace>
void compute_social_deductions(const Choices& choices, const PayRules& rules, PaySlip& slip,
                               Trace& trace) {
    const ContributionRules& c = rules.contributions;
    const double base = contribution_base(slip, c, trace);

    trace.term(Quantity::contribution_base, base, Op::first);
    trace.term(Quantity::retirement_rate, c.retirement_rate, Op::percent_of);
    slip.retirement = round_to_15_digits(percent(base, c.retirement_rate));
    trace.gives(SlipField::retirement, slip.retirement);
    trace.wrote(SlipField::retirement);

    // A ceiling replaces an amount as stored, so that an amount that rounds to it reaches it.
    trace.term(Quantity::contribution_base, base, Op::first);
    trace.term(Quantity::health_insurance_rate, c.health_insurance_rate, Op::percent_of);
    slip.health_insurance =
        capped(round_to_15_digits(percent(base, c.health_insurance_rate)),
               Quantity::health_insurance_ceiling, c.health_insurance_ceiling, trace);
    trace.gives(SlipField::health_insurance, slip.health_insurance);
    trace.wrote(SlipField::health_insurance);

    if (!choices.mutual_member) {
        return;
    }
    if (*choices.mutual_member) {
        trace.field(SlipField::annual_base_salary, slip.annual_base_salary, Op::first);
        trace.term(Quantity::general_mutual_rate, c.general_mutual_rate, Op::percent_of);
        slip.general_mutual =
            capped(round_to_15_digits(percent(slip.annual_base_salary, c.general_mutual_rate)),
                   Quantity::general_mutual_ceiling, c.general_mutual_ceiling, trace);
        slip.mutual_fund = c.mutual_fund_amount;
    } else {
        trace.term(Quantity::no_general_mutual, 0, Op::first);
        slip.general_mutual = 0;
        slip.mutual_fund = 0;
    }
    trace.gives(SlipField::general_mutual, slip.general_mutual);
    trace.wrote(SlipField::general_mutual);
    trace.term(*choices.mutual_member ? Quantity::mutual_fund_amount : Quantity::no_mutual_fund,
               slip.mutual_fund, Op::first);
    trace.gives(SlipField::mutual_fund, slip.mutual_fund);
    trace.wrote(SlipField::mutual_fund);
}

template void compute_social_deductions(const Choices&, const PayRules&, PaySlip&, NoTrace&);
template void compute_social_deductions(const Choices&, const PayRules&, PaySlip&, TermTrace&);

}  // namespace pay
