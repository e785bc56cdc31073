#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "pay/choices.h"
#include "pay/pay_inputs.h"
#include "pay/pay_session.h"

namespace staff {

/// A standalone row's choices as the list items they stand for.
struct ResolvedChoices {
    std::string_view scale;
    std::string_view rank;
    std::string_view zone;
    std::string_view special_charges;
    std::string_view children;
    std::string_view dependents;
    std::string_view mutual_member;
    /// The place of this combination of list items among all of them, from 0 to
    /// `combination_count()` - 1; equal combinations have equal places.
    std::size_t combination = 0;
    /// What the choices read as, for the computation: they are list items, so nothing is
    /// read from a text again.
    pay::Choices typed;

    /// The choices as the window's lists would hold them.
    pay::PayInputs inputs() const;
};

/// Either the resolved choices or why the row cannot be computed.
struct Resolution {
    std::optional<ResolvedChoices> choices;
    std::string error;
};

/// The name of the command-line option of a choice, without its dashes: "special-charges".
std::string_view option_name(pay::Choice choice);

/// How many combinations of list items there are.
std::size_t combination_count();

/// Maps each choice of a standalone row to its list item. A choice is a list item itself or one
/// of the ASCII aliases (scale 9, 10, 11, out; rank exceptional; zone A, B, C; yes, no); a count is
/// one digit from 0 to 6, ASCII or Arabic-Indic. The error names every choice that is neither, in
/// column order and separated by " | ", each with its value and what is accepted (the rank only
/// when the scale is known).
Resolution resolve_choices(const pay::PayInputs& typed);

/// Presses the resolved choices on `window`, a fresh window: the refusal of the press,
/// described ("refused: rank"), or nothing.
std::optional<std::string> press_resolved(const ResolvedChoices& choices, pay::PaySession& window);

}  // namespace staff
