#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "pay/explanation.h"
#include "pay/pay_inputs.h"
#include "pay/slip_fields.h"
#include "staff/exit_status.h"

namespace cli {

/// The slip as a table: one line per shown field in the window's order, with the field's name,
/// its text right-aligned, and the window's label; with `explanations`, each field's formula
/// lines under it.
std::string slip_table(const pay::ShownTexts& texts,
                       const std::vector<pay::FieldExplanation>* explanations = nullptr);

/// Computes one slip from choices given as list items or aliases and writes it to `out` as a
/// table, or as one JSON object. Returns ok, or row_errors with the reason on `err` when a choice
/// is refused (the JSON object then carries the reason and no amounts). With `explain`, each
/// amount comes with its explanation: its formula lines under it, or an `explanation` member.
staff::ExitStatus run_slip(const pay::PayInputs& typed, bool json, std::ostream& out,
                           std::ostream& err, bool explain = false);

}  // namespace cli
