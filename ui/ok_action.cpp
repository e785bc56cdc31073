#include "ui/ok_action.h"

#include <QComboBox>
#include <QLineEdit>
#include <utility>
#include <variant>

#include "pay/slip_view.h"
#include "print/bidi_text.h"
#include "print/qt_text.h"
#include "ui/announcement.h"
#include "ui/application.h"
#include "ui/form_language.h"

namespace ui {

using print::qt_text;

const std::string_view refusal_text = "    من فضلك اكمل البيانات";

namespace {

std::string text_of(const QComboBox* list) {
    return choice_list_text(*list);
}

}  // namespace

pay::ListPress read_press(const ChoiceLists& lists, const RankLists& ranks) {
    return pay::press_from_lists(
        [&](pay::Choice choice) { return text_of(list_of(choice, lists, ranks, std::nullopt)); },
        [&](pay::Scale scale) { return text_of(ranks.list(scale)); });
}

QComboBox* list_of(pay::Choice choice, const ChoiceLists& lists, const RankLists& ranks,
                   std::optional<pay::Scale> scale) {
    switch (choice) {
        case pay::Choice::scale:
            return lists.scale;
        case pay::Choice::rank:
            // The core names the rank only when the scale text names a scale.
            return scale ? ranks.list(*scale) : lists.scale;
        case pay::Choice::zone:
            return lists.zone;
        case pay::Choice::special_charges:
            return lists.special_charges;
        case pay::Choice::children:
            return lists.children;
        case pay::Choice::dependents:
            return lists.dependents;
        case pay::Choice::mutual_member:
            return lists.mutual_member;
    }
    return lists.scale;
}

OkAction::OkAction(QWidget& form, const FormControls& controls, const RankLists& ranks,
                   const SessionSettings& settings, MessagePresenter present)
    : form_(form),
      controls_(controls),
      ranks_(ranks),
      present_(std::move(present)),
      decimal_separator_(settings.decimal_separator),
      sessions_(settings.decimal_separator, settings.rules, settings.previous_rules),
      announcement_(new Announcement(
          form, controls.result_fields[static_cast<std::size_t>(pay::SlipField::monthly_pay)]
                    ->geometry())) {}

void OkAction::run() {
    // The scale text is read once, for the rank list, the computation and a refusal alike.
    const pay::ListPress press = read_press(controls_.lists, ranks_);
    // The window shows the rules in effect: only their refusal stops the press.
    if (const auto refused = sessions_.press_ok(press); refused && !refused->under_previous) {
        refuse(refused->refusal.choice, press.scale);
        return;
    }
    show_results();
}

void OkAction::use_rules(const pay::PayRules& rules, const pay::PayRules* previous) {
    const std::optional<pay::PayInputs> last = computed_inputs();
    // The slip's own address stays: the explanations and the slip actions read it.
    sessions_ = pay::PairedSessions(decimal_separator_, rules, previous);
    if (last && !sessions_.press_ok(*last)) {
        show_results();
    }
}

void OkAction::refuse(pay::Choice choice, std::optional<pay::Scale> scale) {
    present_(form_, {qt_text(application_title), qt_text(refusal_text)});
    QComboBox* list = list_of(choice, controls_.lists, ranks_, scale);
    // A typed scale does not switch the rank lists, so its list may be hidden or under the
    // start stack: bring it up as a pick of that scale would.
    if (choice == pay::Choice::rank && scale) {
        ranks_.show_only(*scale);
    }
    list->setFocus(Qt::OtherFocusReason);
}

void OkAction::show_results() {
    const pay::SlipView view = pay::view_slip(session(), pay::ViewDetail::amounts);
    for (const pay::FieldView& field : view.fields) {
        controls_.result_fields[static_cast<std::size_t>(field.field)]->setText(
            qt_text(field.text));
    }
    // The results change without the focus moving: only an announcement reaches a screen reader.
    constexpr pay::SlipField monthly = pay::SlipField::monthly_pay;
    announcement_->say(
        qt_text(pay::field_title(monthly)) + QStringLiteral(": ") +
        print::left_to_right(controls_.result_fields[static_cast<std::size_t>(monthly)]->text()));
}

}  // namespace ui
