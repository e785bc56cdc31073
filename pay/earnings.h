#pragma once

#include "pay/choices.h"
#include "pay/rules.h"

namespace pay {

struct PaySlip;

/// The annual base salary of a number of index points.
double base_salary_for(double index_points,
                       const BaseSalaryRule& rule = built_in_rules().base_salary);

/// The yearly family allowance for `children` children (0 to `max_count`).
double family_allowance_for(int children,
                            const FamilyAllowanceRule& rule = built_in_rules().family_allowance);

/// Base salary, residence, special-charges and family allowances, and the two earnings totals.
/// Expects `slip.index_points` to hold a value.
template <class Trace>
void compute_earnings(const Choices& choices, const PayRules& rules, PaySlip& slip, Trace& trace);

/// The earnings step on the built-in rules, traced by nothing.
void compute_earnings(const Choices& choices, PaySlip& slip);

}  // namespace pay
