#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "pay/explanation.h"
#include "pay/slip_view.h"
#include "wording/catalogue.h"
#include "wording/formula.h"

namespace wording {

/// How one shown field of the slip was reached, in words.
struct Explanation {
    pay::SlipField field = pay::SlipField::index_points;
    /// The field's name as its caption reads (in the catalogue's language), without the stretching
    /// the window's layout needed.
    std::string name;
    pay::ExplanationKind kind = pay::ExplanationKind::not_computed;
    /// The rule, or why the value was kept, in one sentence. Numbers in it are isolated
    /// left-to-right runs (U+2066 ... U+2069) so that they read correctly inside the sentence.
    std::string sentence;
    /// The formula lines with the numbers of the slip, separated by "\n"; each line reads left to
    /// right and holds no words. Empty before the first computation.
    std::string formula;
    /// The terms of every formula line, in order; each line ends with a `gives` term.
    std::vector<Term> terms;
};

/// The explanations of the 21 fields of `view`, in `SlipField` order, with `separator` between
/// the whole and decimal parts of the numbers. The view must be made with its explanations
/// (`pay::ViewDetail::explained`).
std::vector<Explanation> explain_slip(const pay::SlipView& view, std::string_view separator,
                                      const Catalogue& catalogue = arabic_catalogue());

/// The explanation of one field of `view`, as `explain_slip` words it.
Explanation explain_field(const pay::SlipView& view, pay::SlipField field,
                          std::string_view separator,
                          const Catalogue& catalogue = arabic_catalogue());

}  // namespace wording
