#include "pay/income_tax.h"

#include <algorithm>

#include "pay/ceiling.h"
#include "pay/pay_slip.h"
#include "pay/percent.h"
#include "pay/trace.h"

namespace pay {
namespace {

using Op = TermOperation;

template <class Trace>
double professional_deduction(double gross_before_family, const IncomeTaxRules& rules,
                              Trace& trace) {
    trace.term(Quantity::gross_before_family, gross_before_family, Op::first);
    trace.term(Quantity::professional_deduction_rate, rules.professional_deduction_rate,
               Op::percent_of);
    const double deduction = capped(percent(gross_before_family, rules.professional_deduction_rate),
                                    Quantity::professional_deduction_ceiling,
                                    rules.professional_deduction_ceiling, trace);
    trace.gives(Quantity::professional_deduction, deduction);
    return deduction;
}

// The bracket of the taxable amount, tested as a line: above its lower bound, not above its upper.
template <class Trace>
const TaxBracket& traced_bracket(double taxable_amount, const IncomeTaxRules& rules, Trace& trace) {
    const TaxBracket& bracket = bracket_for(taxable_amount, rules);
    trace.field(SlipField::taxable_amount, taxable_amount, Op::first);
    if (&bracket != &rules.brackets.front()) {
        trace.term(Quantity::bracket_lower, bracket.lower, Op::above);
    }
    if (const std::optional<double> upper = upper_bound_of(bracket, rules)) {
        trace.term(Quantity::bracket_upper, *upper, Op::not_above);
    }
    trace.gives(Quantity::bracket_rate, bracket.rate);
    trace.bracket(static_cast<std::size_t>(&bracket - rules.brackets.data()));
    return bracket;
}

// The tax by bracket, before the family exemption: none in the lowest bracket, else the base
// amount plus the rate of what lies above the lower bound.
template <class Trace>
double gross_tax(double taxable_amount, const TaxBracket& bracket, Trace& trace) {
    if (bracket.rate == 0) {
        return 0;
    }
    trace.field(SlipField::taxable_amount, taxable_amount, Op::first);
    trace.term(Quantity::bracket_lower, bracket.lower, Op::minus);
    trace.term(Quantity::bracket_rate, bracket.rate, Op::percent_of);
    trace.term(Quantity::bracket_base_amount, bracket.base_amount, Op::plus);
    const double tax = percent(taxable_amount - bracket.lower, bracket.rate) + bracket.base_amount;
    trace.gives(Quantity::gross_tax, tax);
    return tax;
}

}  // namespace

const TaxBracket& bracket_for(double taxable_amount, const IncomeTaxRules& rules) {
    // Each threshold belongs to the bracket below it.
    const auto above =
        std::find_if(rules.brackets.begin() + 1, rules.brackets.end(),
                     [&](const TaxBracket& b) { return !(taxable_amount > b.lower); });
    return *(above - 1);
}

std::optional<double> upper_bound_of(const TaxBracket& bracket, const IncomeTaxRules& rules) {
    // The brackets stand in rising order of their lower bounds.
    for (const TaxBracket& each : rules.brackets) {
        if (each.lower > bracket.lower) {
            return each.lower;
        }
    }
    return std::nullopt;
}

template <class Trace>
void compute_income_tax(const Choices& choices, const PayRules& rules, PaySlip& slip,
                        Trace& trace) {
    const IncomeTaxRules& tax = rules.income_tax;
    const double gross = slip.gross_before_family.value_or(0);
    const double deduction = professional_deduction(gross, tax, trace);
    const double tax_deductions = slip.retirement + deduction + slip.health_insurance +
                                  slip.general_mutual + slip.mutual_fund;
    slip.taxable_amount = round_to_15_digits(gross - tax_deductions);
    trace.term(Quantity::gross_before_family, gross, Op::first);
    trace.field(SlipField::retirement, slip.retirement, Op::minus);
    trace.term(Quantity::professional_deduction, deduction, Op::minus);
    trace.field(SlipField::health_insurance, slip.health_insurance, Op::minus);
    trace.field(SlipField::general_mutual, slip.general_mutual, Op::minus);
    trace.field(SlipField::mutual_fund, slip.mutual_fund, Op::minus);
    trace.gives(SlipField::taxable_amount, slip.taxable_amount);
    trace.wrote(SlipField::taxable_amount);

    const TaxBracket& bracket = traced_bracket(slip.taxable_amount, tax, trace);
    slip.tax_rate_label = bracket.label;
    trace.wrote(SlipField::tax_rate_label);
    const double before_exemption = gross_tax(slip.taxable_amount, bracket, trace);

    trace.term(Quantity::dependents, choices.dependents, Op::first);
    trace.term(Quantity::exemption_per_dependent, tax.exemption_per_dependent, Op::times);
    // The field shows the exemption actually granted, at most the gross tax.
    const double exemption = round_to_15_digits(choices.dependents * tax.exemption_per_dependent);
    const double granted = capped(exemption, Quantity::gross_tax, before_exemption, trace);
    slip.family_exemption = granted == exemption ? exemption : round_to_15_digits(granted);
    trace.gives(SlipField::family_exemption, slip.family_exemption);
    trace.wrote(SlipField::family_exemption);

    trace.term(Quantity::gross_tax, before_exemption, Op::first);
    trace.field(SlipField::family_exemption, slip.family_exemption, Op::minus);
    slip.income_tax = round_to_15_digits(std::max(before_exemption - slip.family_exemption, 0.0));
    trace.gives(SlipField::income_tax, slip.income_tax);
    trace.wrote(SlipField::income_tax);
}

template <class Trace>
void compute_net_pay(const PayRules& rules, PaySlip& slip, Trace& trace) {
    slip.total_deductions =
        round_to_15_digits(slip.income_tax + slip.retirement + slip.foundation_contribution +
                           slip.health_insurance + slip.general_mutual + slip.mutual_fund);
    trace.field(SlipField::income_tax, slip.income_tax, Op::first);
    trace.field(SlipField::retirement, slip.retirement, Op::plus);
    trace.field(SlipField::foundation_contribution, slip.foundation_contribution, Op::plus);
    trace.field(SlipField::health_insurance, slip.health_insurance, Op::plus);
    trace.field(SlipField::general_mutual, slip.general_mutual, Op::plus);
    trace.field(SlipField::mutual_fund, slip.mutual_fund, Op::plus);
    trace.gives(SlipField::total_deductions, slip.total_deductions);
    trace.wrote(SlipField::total_deductions);

    const double net = slip.gross_total - slip.total_deductions;
    slip.annual_pay = round_to_15_digits(net);
    trace.field(SlipField::gross_total, slip.gross_total, Op::first);
    trace.field(SlipField::total_deductions, slip.total_deductions, Op::minus);
    trace.gives(SlipField::annual_pay, *slip.annual_pay);
    trace.wrote(SlipField::annual_pay);

    const double months = rules.months_per_year;
    slip.monthly_pay = round_to_15_digits(net / months);
    trace.field(SlipField::gross_total, slip.gross_total, Op::first);
    trace.field(SlipField::total_deductions, slip.total_deductions, Op::minus);
    trace.term(Quantity::months, months, Op::divided_by);
    trace.gives(SlipField::monthly_pay, *slip.monthly_pay);
    trace.wrote(SlipField::monthly_pay);
}

template void compute_income_tax(const Choices&, const PayRules&, PaySlip&, NoTrace&);
template void compute_income_tax(const Choices&, const PayRules&, PaySlip&, TermTrace&);
template void compute_net_pay(const PayRules&, PaySlip&, NoTrace&);
template void compute_net_pay(const PayRules&, PaySlip&, TermTrace&);

}  // namespace pay
