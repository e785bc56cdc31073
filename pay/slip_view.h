#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "pay/explanation.h"
#include "pay/pay_inputs.h"
#include "pay/rule_facts.h"
#include "pay/rules.h"
#include "pay/slip_fields.h"

namespace pay {

class PaySession;

/// One shown field of a computed slip, as everything that shows a slip lays it out.
struct FieldView {
    SlipField field = SlipField::index_points;
    /// Written by the last computation, kept from before it, or nothing computed yet.
    ExplanationKind state = ExplanationKind::not_computed;
    /// What the field shows, as a number (its start value before the first computation); none for
    /// the rate label and a field that shows nothing.
    std::optional<double> amount;
    /// What the field shows, in its own format.
    std::string text;
    /// The share of a yearly amount paid each month, and its text in the display format "#0.00";
    /// none for the index points, the rate label, the monthly pay and a field that shows nothing.
    std::optional<double> monthly;
    std::string monthly_text;
    /// How the field was reached, as structured items; only in a view made with its
    /// explanations.
    FieldExplanation explanation;
};

/// The tax bracket the computation put the taxable amount in: its place in the rules' list, its
/// bounds and its rate, as the tax step applied them.
struct BracketReached {
    std::size_t index = 0;
    double lower = 0;
    /// The next bracket's lower bound; none for the last bracket.
    std::optional<double> upper;
    double rate = 0;
    double base_amount = 0;
    std::string label;
    /// The first bracket starts at its bound itself; the others just above theirs.
    bool lowest() const { return index == 0; }
};

/// Whether a view carries the explanations of its fields.
enum class ViewDetail { amounts, explained };

/// Everything there is to show of a session's last computation, worked out once in one place.
struct SlipView {
    /// The rules the slip was computed with.
    const PayRules* rules = nullptr;
    /// The choices of the computation, as the lists held them; none before the first one.
    std::optional<PayInputs> choices;
    /// The separator between the whole and decimal parts of the texts shown.
    std::string decimal_separator;
    std::array<FieldView, slip_field_count> fields;
    /// Where the taxable amount fell; none before the first computation, and when the amount
    /// lies below the lowest bracket, where no bracket holds it.
    std::optional<BracketReached> bracket;
    /// The family allowance per band of children, by the rules of the slip.
    std::vector<FamilyBand> family_bands;

    const FieldView& field(SlipField which) const {
        return fields[static_cast<std::size_t>(which)];
    }
};

/// The view of the session's last computation, or of its start texts before the first one. With
/// `ViewDetail::explained`, each field carries its explanation.
SlipView view_slip(const PaySession& session, ViewDetail detail);

}  // namespace pay
