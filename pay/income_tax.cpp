#include "pay/income_tax.h"

#include <algorithm>

#include "pay/ceiling.h"
#include "pay/count_text.h"
#include "pay/pay_slip.h"
#include "pay/percent.h"

namespace pay {

using namespace tax_rules;

const TaxBracket& bracket_for(double taxable_amount) {
    // Each threshold belongs to the bracket below it.
    const auto above = std::find_if(brackets.begin() + 1, brackets.end(), [&](const TaxBracket& b) {
        return !(taxable_amount > b.lower);
    });
    return *(above - 1);
}

double professional_share(double gross_before_family) {
    return percent(gross_before_family, professional_deduction_rate);
}

double professional_deduction(double gross_before_family) {
    return capped(professional_share(gross_before_family), professional_deduction_ceiling);
}

double gross_tax_for(double taxable_amount, const TaxBracket& bracket) {
    return bracket.rate == 0
               ? 0
               : percent(taxable_amount - bracket.lower, bracket.rate) + bracket.base_amount;
}

std::optional<double> upper_bound_of(const TaxBracket& bracket) {
    // The brackets stand in rising order of their lower bounds.
    for (const TaxBracket& each : brackets) {
        if (each.lower > bracket.lower) {
            return each.lower;
        }
    }
    return std::nullopt;
}

void compute_income_tax(const PayInputs& inputs, PaySlip& slip) {
    const double gross = slip.gross_before_family.value_or(0);
    const double tax_deductions = slip.retirement + professional_deduction(gross) +
                                  slip.health_insurance + slip.general_mutual + slip.mutual_fund;
    slip.taxable_amount = stored(gross - tax_deductions);

    const TaxBracket& bracket = bracket_for(slip.taxable_amount);
    const double gross_tax = gross_tax_for(slip.taxable_amount, bracket);
    slip.tax_rate_label = std::string(bracket.label);

    if (const auto dependents = read_count(inputs.dependents).table_row) {
        slip.family_exemption = stored(*dependents * exemption_per_dependent);
    }
    // The field shows the exemption actually granted.
    if (reaches_ceiling(slip.family_exemption, gross_tax)) {
        slip.family_exemption = stored(gross_tax);
    }
    slip.income_tax = stored(std::max(gross_tax - slip.family_exemption, 0.0));
}

void compute_net_pay(PaySlip& slip) {
    slip.total_deductions =
        stored(slip.income_tax + slip.retirement + slip.foundation_contribution +
               slip.health_insurance + slip.general_mutual + slip.mutual_fund);
    const double net = slip.gross_total - slip.total_deductions;
    slip.annual_pay = stored(net);
    slip.monthly_pay = stored(net / months_per_year);
}

}  // namespace pay
