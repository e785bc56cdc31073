#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/rules_comparison.h"
#include "language/catalogue.h"
#include "language/explanation_words.h"
#include "pay/explanation.h"
#include "pay/pay_inputs.h"
#include "pay/rules.h"
#include "pay/slip_fields.h"
#include "pay/slip_view.h"
#include "staff/exit_status.h"
#include "wording/explanation_text.h"

namespace cli {

/// The slip as a table: one line per shown field in the window's order, with the field's name,
/// its text right-aligned, and the window's label; with `explanations`, each field's formula
/// lines under it. The labels are in the language of `catalogue`.
std::string slip_table(const pay::SlipView& view,
                       const std::vector<wording::Explanation>* explanations = nullptr,
                       const language::Catalogue& catalogue = {});

/// One slip's views under two rule sets, as a table: a line naming each rule set, a line of
/// column headings, then one line per shown field in the window's order with the field's name,
/// its text under the rules in effect, its text under the previous rules and their difference
/// (none for the rate label), each right-aligned, and the window's label; with `months`, a last
/// line of the arrears. With `explanations` (those of the rules in effect), each field's formula
/// lines under it. The captions and labels are in the language of `catalogue`; in Arabic the
/// captions are the English ones they have always been.
std::string slip_comparison_table(const pay::SlipView& in_effect, const pay::SlipView& previous,
                                  int months,
                                  const std::vector<wording::Explanation>* explanations = nullptr,
                                  const language::Catalogue& catalogue = {});

/// What one slip is computed with and how it is written.
struct SlipRequest {
    /// One JSON object instead of a table.
    bool json = false;
    /// Each amount with its explanation, after a line (with `json`, a `rules` member) that names
    /// the rules in effect.
    bool explain = false;
    /// The rules in effect.
    /// The rules in effect: a run names them, there is no fallback.
    const pay::PayRules* rules = nullptr;
    /// The rules the slip is also computed under, set beside it; none for no comparison.
    RulesComparison comparison{};
    /// The language of the table's labels and captions.
    language::Catalogue catalogue{};
    /// The explanations' words in the same language, looked up once for the run.
    language::ExplanationWords words{};
};

/// Computes one slip from choices given as list items or aliases and writes it to `out` as
/// `request` says: a table (with a comparison of rules, `slip_comparison_table`), or one JSON
/// object, which a comparison of rules gives the columns of `rules_comparison_columns` after
/// monthly_pay. Returns ok, or row_errors with the reason on `err` when a choice is refused (the
/// JSON object then carries the reason and no amounts).
staff::ExitStatus run_slip(const pay::PayInputs& typed, const SlipRequest& request,
                           std::ostream& out, std::ostream& err);

}  // namespace cli
