#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "pay/choices.h"
#include "pay/pay_inputs.h"
#include "pay/pay_slip.h"
#include "pay/rules.h"
#include "pay/slip_fields.h"

namespace pay {

/// One press of OK as the window reads its lists: the texts, and the scale the scale text names,
/// read once for both the choice of the rank list and the computation.
struct ListPress {
    PayInputs texts;
    std::optional<Scale> scale;
};

/// The choices of one press of OK, read as the window reads its lists. `list_text(choice)` gives
/// the text of a choice's list, for every choice but the rank. The rank is read only when the
/// scale text names a scale, from that scale's own rank list (`rank_list_text(scale)`); the
/// other rank lists play no part, and with a scale text that names no scale the rank is empty.
template <typename ListText, typename RankListText>
ListPress press_from_lists(ListText&& list_text, RankListText&& rank_list_text) {
    ListPress press;
    for (const Choice choice : all_choices) {
        if (choice != Choice::rank) {
            choice_text(press.texts, choice) = list_text(choice);
        }
    }
    press.scale = scale_from_text(press.texts.scale);
    if (press.scale) {
        press.texts.rank = rank_list_text(*press.scale);
    }
    return press;
}

/// One open window: its slip and the texts its result fields show, from the start texts on.
/// Each press of OK either is refused and changes nothing, or computes, shows and settles.
class PaySession {
  public:
    PaySession(std::string_view decimal_separator, const PayRules& rules);

    /// The OK action on the given choices: reads them once, then computes.
    std::optional<Refusal> press_ok(const PayInputs& inputs);

    /// The OK action on choices already read: `texts` are what the lists hold, `choices` what
    /// they read as. Refused only for a first computation with no grid row.
    std::optional<Refusal> press_ok(const PayInputs& texts, const Choices& choices);

    const PaySlip& slip() const { return slip_; }
    const ShownTexts& shown() const { return shown_; }
    const std::string& text(SlipField field) const;

    /// The choices of the last press that computed: what the shown texts were computed from.
    /// None before the first computation; a refused press leaves it as it was.
    const std::optional<PayInputs>& computed_inputs() const { return computed_inputs_; }

    /// What those choices read as; meaningful only once `computed_inputs` holds a value.
    const Choices& computed_choices() const { return computed_choices_; }

    /// The slip as the last computation left it, before its amounts were settled to the shown
    /// texts: the values every step read. The start slip before the first computation.
    const PaySlip& computed_slip() const { return computed_slip_; }

    /// The slip as the last computation found it: run again on it with the same choices, the
    /// computation gives `computed_slip` once more.
    const PaySlip& slip_before() const { return slip_before_; }

    /// The decimal separator the shown texts are written with.
    const std::string& decimal_separator() const { return separator_; }

    /// The rules the session computes with.
    const PayRules& rules() const { return *rules_; }

  private:
    std::string separator_;
    const PayRules* rules_;
    PaySlip slip_;
    ShownTexts shown_;
    std::optional<PayInputs> computed_inputs_;
    Choices computed_choices_;
    PaySlip computed_slip_;
    PaySlip slip_before_;
};

}  // namespace pay
