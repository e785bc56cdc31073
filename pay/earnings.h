#pragma once

#include "pay/choices.h"
#include "pay/rules.h"

namespace pay {

struct PaySlip;

/// Base salary, residence, special-charges and family allowances, and the two earnings totals.
/// Expects `slip.index_points` to hold a value.
template <class Trace>
void compute_earnings(const Choices& choices, const PayRules& rules, PaySlip& slip, Trace& trace);

}  // namespace pay
