#pragma once

#include <optional>

#include "pay/choices.h"
#include "pay/rules.h"

namespace pay {

struct PaySlip;

/// The bracket that a taxable amount falls in (thresholds are exclusive lower bounds).
const TaxBracket& bracket_for(double taxable_amount, const IncomeTaxRules& rules);

/// The upper bound of a bracket (the next one's lower bound); none for the last.
std::optional<double> upper_bound_of(const TaxBracket& bracket, const IncomeTaxRules& rules);

/// Taxable amount, rate label, family exemption and income tax.
template <class Trace>
void compute_income_tax(const Choices& choices, const PayRules& rules, PaySlip& slip, Trace& trace);

/// Total deductions, annual pay and monthly pay.
template <class Trace>
void compute_net_pay(const PayRules& rules, PaySlip& slip, Trace& trace);

}  // namespace pay
