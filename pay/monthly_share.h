#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "pay/rules.h"
#include "pay/slip_fields.h"

namespace pay {

struct PaySlip;

/// Whether a shown field is a yearly amount of money, paid a twelfth each month: every amount
/// but the index points, the rate label and the monthly pay.
bool is_yearly_amount(SlipField field);

/// The monthly twelfth of a yearly field of a computed slip, stored as a step stores an amount and
/// written in the display format "#0.00"; none for the other fields or a field the slip lacks.
std::optional<std::string> monthly_share_text(const PaySlip& slip, SlipField field,
                                              std::string_view separator,
                                              const PayRules& rules = built_in_rules());

}  // namespace pay
