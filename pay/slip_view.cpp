#include "pay/slip_view.h"

#include <utility>

#include "pay/amount_format.h"
#include "pay/income_tax.h"
#include "pay/pay_session.h"
#include "pay/trace.h"

namespace pay {
namespace {

BracketReached bracket_at(std::size_t index, const IncomeTaxRules& tax) {
    const TaxBracket& bracket = tax.brackets.at(index);
    return {.index = index,
            .lower = bracket.lower,
            .upper = upper_bound_of(bracket, tax),
            .rate = bracket.rate,
            .base_amount = bracket.base_amount,
            .label = bracket.label};
}

}  // namespace

SlipView view_slip(const PaySession& session, ViewDetail detail) {
    const PayRules& rules = session.rules();
    SlipView view;
    view.rules = &rules;
    view.choices = session.computed_inputs();
    view.decimal_separator = session.decimal_separator();
    view.family_bands = family_bands(rules);

    std::optional<TermTrace> trace;
    if (view.choices) {
        trace = replay_last_press(session);
        // The lowest bracket starts at its own bound: an amount below it lies in none.
        if (const auto index = trace->bracket();
            index && !(*index == 0 && session.computed_slip().taxable_amount <
                                          rules.income_tax.brackets.front().lower)) {
            view.bracket = bracket_at(*index, rules.income_tax);
        }
    }
    std::vector<FieldExplanation> explanations;
    if (detail == ViewDetail::explained && trace) {
        explanations = explain_slip(session, *trace);
    }
    for (const SlipFieldInfo& info : slip_fields) {
        FieldView& field = view.fields[static_cast<std::size_t>(info.field)];
        field.field = info.field;
        field.text = session.text(info.field);
        field.amount = amount_of(session.slip(), info.field);
        if (trace) {
            field.state =
                trace->written(info.field) ? ExplanationKind::computed : ExplanationKind::kept;
        }
        if (field.amount && is_yearly_amount(info.field)) {
            field.monthly = monthly_share(*field.amount, rules);
            field.monthly_text = format_amount(*field.monthly, session.decimal_separator());
        }
        if (!explanations.empty()) {
            field.explanation = std::move(explanations[static_cast<std::size_t>(info.field)]);
        } else if (detail == ViewDetail::explained) {
            field.explanation = not_computed_explanation(info.field);
        }
    }
    return view;
}

}  // namespace pay
