#pragma once

#include <optional>
#include <string_view>

#include "pay/choices.h"
#include "pay/pay_inputs.h"
#include "pay/pay_session.h"
#include "pay/rules.h"

namespace pay {

/// A refused press of two sessions side by side, and which one refused it.
struct PairRefusal {
    Refusal refusal;
    /// The session under the previous rules refused a press the one in effect took.
    bool under_previous = false;

    friend bool operator==(const PairRefusal&, const PairRefusal&) = default;
};

/// The same presses under the rules in effect and, for a comparison of rules, under previous
/// rules: one window per rule set, pressed alike, so that the two slips set side by side always
/// come from the same choices.
class PairedSessions {
  public:
    /// `previous` may be null: then there is only the session in effect. Both rule sets outlive
    /// the pair.
    PairedSessions(std::string_view decimal_separator, const PayRules& in_effect,
                   const PayRules* previous);

    /// Presses both sessions with choices read once: `texts` as the lists hold them, `choices`
    /// what they read as. A refusal rests on the choices and on whether a slip was computed
    /// before, never on the rules, so the two take or refuse a press together; should the
    /// previous one refuse alone, that is told.
    std::optional<PairRefusal> press_ok(const PayInputs& texts, const Choices& choices);

    /// The same, reading the texts first.
    std::optional<PairRefusal> press_ok(const PayInputs& texts);

    /// The same with the scale already read from the texts.
    std::optional<PairRefusal> press_ok(const ListPress& press);

    const PaySession& in_effect() const { return in_effect_; }
    /// None without previous rules.
    const PaySession* previous() const { return previous_ ? &*previous_ : nullptr; }

  private:
    PaySession in_effect_;
    std::optional<PaySession> previous_;
};

}  // namespace pay
