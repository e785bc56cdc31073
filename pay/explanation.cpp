#include "pay/explanation.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "pay/choices.h"
#include "pay/pay_session.h"
#include "pay/trace.h"

namespace pay {
namespace {

using Op = TermOperation;

// How each quantity is written, in the order of `Quantity`.
constexpr std::array<ValueKind, quantity_count> quantity_kinds{{
    ValueKind::field_text,  // field
    ValueKind::amount,      // grid_amount
    ValueKind::amount,      // uncounted_index_points
    ValueKind::amount,      // index_point_value
    ValueKind::amount,      // first_fixed_amount
    ValueKind::amount,      // second_fixed_amount
    ValueKind::rate,        // zone_rate
    ValueKind::rate,        // special_charges_rate
    ValueKind::amount,      // no_special_charges
    ValueKind::count,       // children
    ValueKind::count,       // first_children
    ValueKind::amount,      // first_child_amount
    ValueKind::amount,      // further_child_amount
    ValueKind::amount,      // first_children_allowance
    ValueKind::count,       // last_child_count
    ValueKind::rate,        // base_salary_share
    ValueKind::amount,      // contribution_base
    ValueKind::rate,        // retirement_rate
    ValueKind::rate,        // health_insurance_rate
    ValueKind::amount,      // health_insurance_ceiling
    ValueKind::amount,      // no_general_mutual
    ValueKind::rate,        // general_mutual_rate
    ValueKind::amount,      // general_mutual_ceiling
    ValueKind::whole,       // no_mutual_fund
    ValueKind::whole,       // mutual_fund_amount
    ValueKind::amount,      // gross_before_family
    ValueKind::rate,        // professional_deduction_rate
    ValueKind::amount,      // professional_deduction_ceiling
    ValueKind::amount,      // professional_deduction
    ValueKind::amount,      // bracket_lower
    ValueKind::amount,      // bracket_upper
    ValueKind::rate,        // bracket_rate
    ValueKind::amount,      // bracket_base_amount
    ValueKind::amount,      // gross_tax
    ValueKind::count,       // dependents
    ValueKind::amount,      // exemption_per_dependent
    ValueKind::number,      // months
}};

constexpr ValueKind kind_of(Quantity quantity) {
    return quantity_kinds[static_cast<std::size_t>(quantity)];
}

MessageArgument typed(std::string_view text) {
    return {.kind = ValueKind::typed_text, .number = 0, .field = {}, .text = std::string(text)};
}

MessageArgument list_item(std::string_view text) {
    return {.kind = ValueKind::list_item, .number = 0, .field = {}, .text = std::string(text)};
}

MessageArgument number(ValueKind kind, double value) {
    return {.kind = kind, .number = value, .field = {}, .text = {}};
}

MessageArgument field_argument(ValueKind kind, SlipField field) {
    return {.kind = kind, .number = 0, .field = field, .text = {}};
}

// Builds one explanation from the trace of the session's last computation.
class Builder {
  public:
    Builder(const PaySession& session, const TermTrace& trace, SlipField field)
        : inputs_(*session.computed_inputs()),
          choices_(session.computed_choices()),
          trace_(trace),
          field_(field) {
        result_.field = field;
        result_.kind = ExplanationKind::computed;
        result_.items.reserve(2);
        result_.terms.reserve(24);
    }

    const PayInputs& inputs() const { return inputs_; }
    const Choices& choices() const { return choices_; }
    const TermTrace& trace() const { return trace_; }
    SlipField field() const { return field_; }
    bool written(SlipField field) const { return trace_.written(field); }

    // The value the computation used of a quantity, as its message argument.
    MessageArgument quantity(Quantity quantity) const {
        return number(kind_of(quantity), trace_.value(quantity));
    }

    void say(MessageKey key, std::initializer_list<MessageArgument> arguments = {}) {
        result_.items.push_back({key, std::vector<MessageArgument>(arguments)});
    }

    void term(ExplanationTerm term) { result_.terms.push_back(term); }

    // A traced line as it was worked; a line the computation did not work adds nothing. With a
    // `result`, the line's own result is that field as it shows.
    void line(std::span<const TracedTerm> terms, std::optional<SlipField> result = std::nullopt) {
        for (const TracedTerm& t : terms) {
            if (result && t.operation == Op::gives) {
                term({Quantity::field, TermRole::weighed, *result, ValueKind::field_text, 0,
                      Op::gives});
            } else if (t.quantity == Quantity::field) {
                // A field reads on its line as the window shows it: the value the step weighed,
                // in the field's own format.
                term({Quantity::field, written(t.field) ? TermRole::weighed : TermRole::kept_field,
                      t.field, ValueKind::field_text, t.value, t.operation});
            } else {
                term({t.quantity, TermRole::weighed, field_, kind_of(t.quantity), t.value,
                      t.operation});
            }
        }
    }
    void line(SlipField field) { line(trace_.line(field)); }
    void line(Quantity quantity) { line(trace_.line(quantity)); }

    FieldExplanation finish(ExplanationKind kind) {
        result_.kind = kind;
        return std::move(result_);
    }

  private:
    const PayInputs& inputs_;
    const Choices& choices_;
    const TermTrace& trace_;
    SlipField field_;
    FieldExplanation result_;
};

// Whether a line's amount was replaced by its ceiling.
bool reached_ceiling(std::span<const TracedTerm> line) {
    return std::any_of(line.begin(), line.end(),
                       [](const TracedTerm& t) { return t.operation == Op::at_most; });
}

// Why the last computation left a field unwritten. The dependents are refused outside their
// list, so the family exemption is always written.
void say_kept(Builder& b) {
    const SlipField field = b.field();
    const MessageArgument name = field_argument(ValueKind::field_name, field);
    const MessageArgument shown = field_argument(ValueKind::field_text, field);
    const PayInputs& inputs = b.inputs();
    switch (field) {
        case SlipField::residence_allowance:
            b.say(MessageKey::kept_zone,
                  {name, shown, typed(inputs.zone), number(ValueKind::zone_items, 0)});
            return;
        case SlipField::special_charges_allowance:
            b.say(MessageKey::kept_special_charges, {name, shown, typed(inputs.special_charges),
                                                     list_item(yes_text), list_item(no_text)});
            return;
        case SlipField::family_allowance:
            b.say(MessageKey::kept_children,
                  {name, shown, typed(inputs.children), number(ValueKind::count, 0),
                   number(ValueKind::count, max_count)});
            return;
        case SlipField::general_mutual:
        case SlipField::mutual_fund:
            b.say(MessageKey::kept_mutual_member, {name, shown, typed(inputs.mutual_member),
                                                   list_item(yes_text), list_item(no_text)});
            return;
        default:
            // The five grid fields.
            if (!b.choices().scale) {
                b.say(MessageKey::kept_scale, {name, shown, typed(inputs.scale)});
            } else {
                b.say(MessageKey::kept_rank,
                      {name, shown, typed(inputs.rank), typed(inputs.scale)});
            }
            return;
    }
}

void explain_grid_field(Builder& b, SlipField field) {
    const MessageKey key = field == SlipField::index_points ? MessageKey::grid_index_points
                           : field == SlipField::foundation_contribution
                               ? MessageKey::grid_contribution
                               : MessageKey::grid_amount;
    b.say(key, {field_argument(ValueKind::field_name, field), typed(b.inputs().scale),
                typed(b.inputs().rank)});
    b.line(field);
}

void explain_base_salary(Builder& b) {
    b.say(MessageKey::annual_base_salary,
          {b.quantity(Quantity::uncounted_index_points), b.quantity(Quantity::index_point_value),
           b.quantity(Quantity::first_fixed_amount), b.quantity(Quantity::second_fixed_amount)});
    b.line(SlipField::annual_base_salary);
}

void explain_residence(Builder& b) {
    b.say(MessageKey::residence_allowance,
          {typed(b.inputs().zone), b.quantity(Quantity::zone_rate)});
    b.line(SlipField::residence_allowance);
}

void explain_special_charges(Builder& b) {
    if (*b.choices().special_charges) {
        b.say(MessageKey::special_charges_yes,
              {b.quantity(Quantity::special_charges_rate), list_item(yes_text)});
    } else {
        b.say(MessageKey::special_charges_no,
              {list_item(no_text), b.quantity(Quantity::no_special_charges)});
    }
    b.line(SlipField::special_charges_allowance);
}

void explain_family_allowance(Builder& b) {
    b.say(MessageKey::family_allowance,
          {b.quantity(Quantity::first_child_amount), b.quantity(Quantity::first_children),
           b.quantity(Quantity::further_child_amount), b.quantity(Quantity::last_child_count),
           b.quantity(Quantity::children)});
    b.line(SlipField::family_allowance);
}

void explain_retirement(Builder& b) {
    b.say(MessageKey::retirement,
          {b.quantity(Quantity::retirement_rate), b.quantity(Quantity::base_salary_share)});
    b.line(Quantity::contribution_base);
    b.line(SlipField::retirement);
}

void explain_health_insurance(Builder& b) {
    const bool ceiling = reached_ceiling(b.trace().line(SlipField::health_insurance));
    b.say(
        ceiling ? MessageKey::health_insurance_ceiling : MessageKey::health_insurance,
        {b.quantity(Quantity::health_insurance_rate),
         b.quantity(Quantity::health_insurance_ceiling), b.quantity(Quantity::base_salary_share)});
    b.line(Quantity::contribution_base);
    b.line(SlipField::health_insurance);
}

void explain_general_mutual(Builder& b) {
    if (!*b.choices().mutual_member) {
        b.say(MessageKey::general_mutual_not_member, {b.quantity(Quantity::no_general_mutual)});
    } else {
        const bool ceiling = reached_ceiling(b.trace().line(SlipField::general_mutual));
        b.say(ceiling ? MessageKey::general_mutual_ceiling : MessageKey::general_mutual,
              {b.quantity(Quantity::general_mutual_rate),
               b.quantity(Quantity::general_mutual_ceiling)});
    }
    b.line(SlipField::general_mutual);
}

void explain_mutual_fund(Builder& b) {
    if (*b.choices().mutual_member) {
        b.say(MessageKey::mutual_fund_member, {b.quantity(Quantity::mutual_fund_amount)});
    } else {
        b.say(MessageKey::mutual_fund_not_member, {b.quantity(Quantity::no_mutual_fund)});
    }
    b.line(SlipField::mutual_fund);
}

void explain_taxable_amount(Builder& b) {
    const bool ceiling = reached_ceiling(b.trace().line(Quantity::professional_deduction));
    b.say(ceiling ? MessageKey::taxable_amount_ceiling : MessageKey::taxable_amount,
          {b.quantity(Quantity::professional_deduction_rate),
           b.quantity(Quantity::professional_deduction_ceiling)});
    b.line(Quantity::gross_before_family);
    b.line(Quantity::professional_deduction);
    b.line(SlipField::taxable_amount);
}

// Where the taxable amount lies among the brackets, as the tax step's line tested it: the lowest
// bracket has no lower bound on its line, and the highest no upper bound.
enum class BracketPlace { lowest, between, highest };

BracketPlace bracket_place(const Builder& b) {
    if (!b.trace().has(Quantity::bracket_lower)) {
        return BracketPlace::lowest;
    }
    return b.trace().has(Quantity::bracket_upper) ? BracketPlace::between : BracketPlace::highest;
}

void explain_tax_rate(Builder& b) {
    const MessageArgument lower = b.quantity(Quantity::bracket_lower);
    const MessageArgument upper = b.quantity(Quantity::bracket_upper);
    const MessageArgument rate = b.quantity(Quantity::bracket_rate);
    switch (bracket_place(b)) {
        case BracketPlace::lowest:
            b.say(MessageKey::tax_rate_lowest_bracket, {upper, rate});
            break;
        case BracketPlace::between:
            b.say(MessageKey::tax_rate_bracket, {lower, upper, rate});
            break;
        case BracketPlace::highest:
            b.say(MessageKey::tax_rate_top_bracket, {lower, rate});
            break;
    }
    b.line(b.trace().line(Quantity::bracket_rate), SlipField::tax_rate_label);
}

void explain_family_exemption(Builder& b) {
    const bool limited = reached_ceiling(b.trace().line(SlipField::family_exemption));
    b.say(limited ? MessageKey::family_exemption_limited : MessageKey::family_exemption,
          {b.quantity(Quantity::exemption_per_dependent)});
    b.line(SlipField::family_exemption);
}

void explain_income_tax(Builder& b) {
    const MessageArgument lower = b.quantity(Quantity::bracket_lower);
    const MessageArgument upper = b.quantity(Quantity::bracket_upper);
    const MessageArgument rate = b.quantity(Quantity::bracket_rate);
    const MessageArgument base = b.quantity(Quantity::bracket_base_amount);
    switch (bracket_place(b)) {
        case BracketPlace::lowest:
            b.say(MessageKey::income_tax_lowest_bracket, {upper});
            break;
        case BracketPlace::between:
            b.say(MessageKey::income_tax_bracket, {lower, upper, base, rate, lower});
            break;
        case BracketPlace::highest:
            b.say(MessageKey::income_tax_top_bracket, {lower, base, rate, lower});
            break;
    }
    b.line(Quantity::bracket_rate);
    b.line(Quantity::gross_tax);
    b.line(SlipField::income_tax);
}

void explain_computed(Builder& b, SlipField field) {
    switch (field) {
        case SlipField::index_points:
        case SlipField::hierarchy_allowance:
        case SlipField::charges_allowance:
        case SlipField::supervision_allowance:
        case SlipField::foundation_contribution:
            explain_grid_field(b, field);
            return;
        case SlipField::annual_base_salary:
            explain_base_salary(b);
            return;
        case SlipField::residence_allowance:
            explain_residence(b);
            return;
        case SlipField::special_charges_allowance:
            explain_special_charges(b);
            return;
        case SlipField::family_allowance:
            explain_family_allowance(b);
            return;
        case SlipField::gross_total:
            b.say(MessageKey::gross_total);
            b.line(SlipField::gross_total);
            return;
        case SlipField::retirement:
            explain_retirement(b);
            return;
        case SlipField::health_insurance:
            explain_health_insurance(b);
            return;
        case SlipField::general_mutual:
            explain_general_mutual(b);
            return;
        case SlipField::mutual_fund:
            explain_mutual_fund(b);
            return;
        case SlipField::taxable_amount:
            explain_taxable_amount(b);
            return;
        case SlipField::tax_rate_label:
            explain_tax_rate(b);
            return;
        case SlipField::family_exemption:
            explain_family_exemption(b);
            return;
        case SlipField::income_tax:
            explain_income_tax(b);
            return;
        case SlipField::total_deductions:
            b.say(MessageKey::total_deductions);
            b.line(SlipField::total_deductions);
            return;
        case SlipField::annual_pay:
            b.say(MessageKey::annual_pay);
            b.line(SlipField::annual_pay);
            return;
        case SlipField::monthly_pay:
            b.say(MessageKey::monthly_pay, {b.quantity(Quantity::months)});
            b.line(SlipField::monthly_pay);
            return;
    }
}

FieldExplanation explain(const PaySession& session, const TermTrace& trace, SlipField field) {
    Builder b(session, trace, field);
    if (!b.written(field)) {
        say_kept(b);
        b.term(
            {Quantity::field, TermRole::shown_before, field, ValueKind::field_text, 0, Op::first});
        b.term({Quantity::field, TermRole::weighed, field, ValueKind::field_text, 0, Op::gives});
        return b.finish(ExplanationKind::kept);
    }
    explain_computed(b, field);
    return b.finish(ExplanationKind::computed);
}

}  // namespace

TermTrace replay_last_press(const PaySession& session) {
    TermTrace trace;
    PaySlip slip = session.slip_before();
    compute_pay(session.computed_choices(), session.rules(), slip, trace);
    return trace;
}

std::string_view operation_name(TermOperation operation) {
    switch (operation) {
        case TermOperation::first:
            return "first";
        case TermOperation::plus:
            return "plus";
        case TermOperation::minus:
            return "minus";
        case TermOperation::times:
            return "times";
        case TermOperation::divided_by:
            return "divided_by";
        case TermOperation::percent_of:
            return "percent_of";
        case TermOperation::at_most:
            return "at_most";
        case TermOperation::above:
            return "above";
        case TermOperation::not_above:
            return "not_above";
        case TermOperation::gives:
            return "gives";
    }
    return {};
}

FieldExplanation not_computed_explanation(SlipField field) {
    FieldExplanation explanation;
    explanation.field = field;
    explanation.kind = ExplanationKind::not_computed;
    explanation.items.push_back({MessageKey::not_computed, {}});
    return explanation;
}

std::vector<FieldExplanation> explain_slip(const PaySession& session, const TermTrace& trace) {
    std::vector<FieldExplanation> all;
    all.reserve(slip_field_count);
    for (const SlipFieldInfo& info : slip_fields) {
        all.push_back(explain(session, trace, info.field));
    }
    return all;
}

}  // namespace pay
