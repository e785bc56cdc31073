#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "pay/paired_sessions.h"
#include "pay/pay_inputs.h"
#include "pay/pay_session.h"
#include "pay/rules.h"
#include "ui/message_presenter.h"
#include "ui/rank_lists.h"
#include "ui/window_layout.h"

class QComboBox;

namespace ui {

class Announcement;

/// The message of every refused OK: four spaces, then the words.
extern const std::string_view refusal_text;

/// The seven choices as the lists hold them; the rank comes from the chosen scale's own list,
/// whether it is on screen or not, and is empty when the scale text names no scale.
pay::ListPress read_press(const ChoiceLists& lists, const RankLists& ranks);

/// The list of a choice; for the rank, that of `scale`, the scale the scale text names.
QComboBox* list_of(pay::Choice choice, const ChoiceLists& lists, const RankLists& ranks,
                   std::optional<pay::Scale> scale);

/// What the window's sessions compute with.
struct SessionSettings {
    /// The decimal separator the result fields show.
    std::string decimal_separator;
    /// The rules in effect; they outlive the action.
    const pay::PayRules& rules;
    /// The rules that the comparison window sets them against, or none; they outlive the action.
    const pay::PayRules* previous_rules = nullptr;
};

/// What OK does: check the choices, and either show the message and put the focus on the list
/// concerned, or compute on the window's one slip, show every result and let a screen reader
/// hear the monthly pay. With previous rules to compare with, each press also computes on a
/// second session of its own with those rules, so that the comparison sets the same presses side
/// by side.
class OkAction {
  public:
    OkAction(QWidget& form, const FormControls& controls, const RankLists& ranks,
             const SessionSettings& settings, MessagePresenter present);

    void run();

    /// Computes with `rules` from now on, set against `previous` (or against none), and computes
    /// the last press that computed again under them. Both outlive the action.
    void use_rules(const pay::PayRules& rules, const pay::PayRules* previous);

    /// The window's session: what the result fields show and how it was computed, which the
    /// fields' explanations read.
    const pay::PaySession& session() const { return sessions_.in_effect(); }

    /// The choices of the last press that computed; none before the first.
    const std::optional<pay::PayInputs>& computed_inputs() const {
        return sessions_.in_effect().computed_inputs();
    }

    /// The same presses under the previous rules; none without previous rules.
    const pay::PaySession* previous_session() const { return sessions_.previous(); }

  private:
    void refuse(pay::Choice choice, std::optional<pay::Scale> scale);
    void show_results();

    QWidget& form_;
    const FormControls& controls_;
    const RankLists& ranks_;
    MessagePresenter present_;
    std::string decimal_separator_;
    pay::PairedSessions sessions_;
    /// Owned by the form.
    Announcement* announcement_;
};

}  // namespace ui
