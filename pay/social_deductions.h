#pragma once

#include "pay/choices.h"
#include "pay/rules.h"

namespace pay {

struct PaySlip;

/// Retirement, health insurance, general mutual and mutual fund contributions. Their common base
/// is the base salary plus its share, and the three grid allowances.
template <class Trace>
void compute_social_deductions(const Choices& choices, const PayRules& rules, PaySlip& slip,
                               Trace& trace);

}  // namespace pay
