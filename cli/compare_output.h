#pragma once

#include <ostream>
#include <string>

#include "language/catalogue.h"
#include "pay/comparison.h"
#include "pay/pay_inputs.h"
#include "staff/exit_status.h"

namespace cli {

/// The comparison as CSV with a header row: the changed choice (for scales, the scale and the
/// rank), the earnings and deductions totals, the income tax, the annual and monthly pay, their
/// differences from the user's own row, and `current` ("yes" on that row, else "no"). Amounts
/// are shown as the window shows them, with "." as the decimal separator.
std::string comparison_csv(const pay::Comparison& comparison,
                           const language::Catalogue& catalogue = {});

/// The same rows as JSON Lines: one object per row, the columns as members, every value a string.
std::string comparison_json_lines(const pay::Comparison& comparison,
                                  const language::Catalogue& catalogue = {});

/// Compares the choices given as list items or aliases along `axis`, under `rules`, and writes
/// the table to `out`. Returns `ok`, or `row_errors` with the reason on `err` when the choices are
/// refused. Scales left out of a scale comparison are counted in a note on `err`. The changed
/// choice's items are in the language of `catalogue`; the columns keep their names.
staff::ExitStatus run_compare(const pay::PayInputs& typed, pay::CompareAxis axis, bool json,
                              std::ostream& out, std::ostream& err, const pay::PayRules& rules,
                              const language::Catalogue& catalogue = {});

}  // namespace cli
