#include "pay/earnings.h"

#include "pay/pay_slip.h"
#include "pay/percent.h"
#include "pay/trace.h"

namespace pay {
namespace {

using Op = TermOperation;

template <class Trace>
double base_salary(double index_points, const BaseSalaryRule& rule, Trace& trace) {
    trace.field(SlipField::index_points, index_points, Op::first);
    trace.term(Quantity::uncounted_index_points, rule.uncounted_index_points, Op::minus);
    trace.term(Quantity::index_point_value, rule.index_point_value, Op::times);
    trace.term(Quantity::first_fixed_amount, rule.fixed_amounts[0], Op::plus);
    trace.term(Quantity::second_fixed_amount, rule.fixed_amounts[1], Op::plus);
    // Two additions in this order, not one of their sum.
    return ((index_points - rule.uncounted_index_points) * rule.index_point_value +
            rule.fixed_amounts[0]) +
           rule.fixed_amounts[1];
}

template <class Trace>
double family_allowance(int children, const FamilyAllowanceRule& rule, Trace& trace) {
    trace.note(Quantity::first_children, rule.first_children);
    trace.note(Quantity::first_child_amount, rule.first_child_amount);
    trace.note(Quantity::further_child_amount, rule.further_child_amount);
    trace.note(Quantity::last_child_count, max_count);
    trace.term(Quantity::children, children, Op::first);
    if (children <= rule.first_children) {
        trace.term(Quantity::first_child_amount, rule.first_child_amount, Op::times);
        return children * rule.first_child_amount;
    }
    const double first_allowance = rule.first_children * rule.first_child_amount;
    trace.term(Quantity::first_children, rule.first_children, Op::minus);
    trace.term(Quantity::further_child_amount, rule.further_child_amount, Op::times);
    trace.term(Quantity::first_children_allowance, first_allowance, Op::plus);
    return (children - rule.first_children) * rule.further_child_amount + first_allowance;
}

// The six terms of the earnings without the family allowance, as a line reads them.
template <class Trace>
void trace_earnings_before_family(const PaySlip& slip, Trace& trace) {
    trace.field(SlipField::annual_base_salary, slip.annual_base_salary, Op::first);
    trace.field(SlipField::residence_allowance, slip.residence_allowance, Op::plus);
    trace.field(SlipField::special_charges_allowance, slip.special_charges_allowance, Op::plus);
    trace.field(SlipField::hierarchy_allowance, slip.hierarchy_allowance, Op::plus);
    trace.field(SlipField::charges_allowance, slip.charges_allowance, Op::plus);
    trace.field(SlipField::supervision_allowance, slip.supervision_allowance, Op::plus);
}

}  // namespace

template <class Trace>
void compute_earnings(const Choices& choices, const PayRules& rules, PaySlip& slip, Trace& trace) {
    slip.annual_base_salary =
        round_to_15_digits(base_salary(slip.index_points.value_or(0), rules.base_salary, trace));
    trace.gives(SlipField::annual_base_salary, slip.annual_base_salary);
    trace.wrote(SlipField::annual_base_salary);

    if (choices.zone) {
        const double rate = rules.zone_rates[*choices.zone];
        slip.residence_allowance = round_to_15_digits(percent(slip.annual_base_salary, rate));
        trace.field(SlipField::annual_base_salary, slip.annual_base_salary, Op::first);
        trace.term(Quantity::zone_rate, rate, Op::percent_of);
        trace.gives(SlipField::residence_allowance, slip.residence_allowance);
        trace.wrote(SlipField::residence_allowance);
    }

    if (choices.special_charges) {
        if (*choices.special_charges) {
            slip.special_charges_allowance =
                round_to_15_digits(percent(slip.annual_base_salary, rules.special_charges_rate));
            trace.field(SlipField::annual_base_salary, slip.annual_base_salary, Op::first);
            trace.term(Quantity::special_charges_rate, rules.special_charges_rate, Op::percent_of);
        } else {
            slip.special_charges_allowance = 0;
            trace.term(Quantity::no_special_charges, 0, Op::first);
        }
        trace.gives(SlipField::special_charges_allowance, slip.special_charges_allowance);
        trace.wrote(SlipField::special_charges_allowance);
    }

    if (choices.children) {
        slip.family_allowance =
            round_to_15_digits(family_allowance(*choices.children, rules.family_allowance, trace));
        trace.gives(SlipField::family_allowance, slip.family_allowance);
        trace.wrote(SlipField::family_allowance);
    }

    // The total adds the family allowance to the unrounded sum, as one left-to-right sum would.
    const double before_family = slip.annual_base_salary + slip.residence_allowance +
                                 slip.special_charges_allowance + slip.hierarchy_allowance +
                                 slip.charges_allowance + slip.supervision_allowance;
    slip.gross_before_family = round_to_15_digits(before_family);
    slip.gross_total = round_to_15_digits(before_family + slip.family_allowance);
    if constexpr (Trace::enabled) {
        trace_earnings_before_family(slip, trace);
        trace.gives(Quantity::gross_before_family, *slip.gross_before_family);
        trace_earnings_before_family(slip, trace);
        trace.field(SlipField::family_allowance, slip.family_allowance, Op::plus);
        trace.gives(SlipField::gross_total, slip.gross_total);
        trace.wrote(SlipField::gross_total);
    }
}

template void compute_earnings(const Choices&, const PayRules&, PaySlip&, NoTrace&);
template void compute_earnings(const Choices&, const PayRules&, PaySlip&, TermTrace&);

void compute_earnings(const Choices& choices, PaySlip& slip) {
    NoTrace trace;
    compute_earnings(choices, built_in_rules(), slip, trace);
}

}  // namespace pay
