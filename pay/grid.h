#pragma once

#include <optional>
#include <string_view>

#include "pay/choices.h"
#include "pay/rules.h"

namespace pay {

struct PaySlip;

/// The row of the first grid entry whose scale text and rank text equal the given texts exactly.
std::optional<GridRow> lookup_grid(std::string_view scale, std::string_view rank,
                                   const PayRules& rules);

/// The grid step: writes the five grid fields of `slip` from the chosen entry, or nothing when
/// no entry matches.
template <class Trace>
void apply_grid(const Choices& choices, const PayRules& rules, PaySlip& slip, Trace& trace);

}  // namespace pay
