#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pay/slip_fields.h"
#include "pay/trace.h"

namespace pay {

class PaySession;

/// The name of an operation as the command line writes it: "first", "plus", ... "gives".
std::string_view operation_name(TermOperation operation);

/// What an explanation says of its field.
enum class ExplanationKind {
    /// The last computation wrote the field.
    computed,
    /// The last computation left the field unwritten: it keeps the value shown before.
    kept,
    /// Nothing has been computed yet.
    not_computed,
};

/// What a message says, one key per sentence; each sentence takes its own arguments, in order.
/// The words belong to whatever renders the message.
enum class MessageKey : std::uint8_t {
    not_computed,
    // A field the last computation left unwritten: the field, the text it shows, then why.
    kept_zone,             // the zone typed, the list of zones
    kept_special_charges,  // the answer typed, yes, no
    kept_children,         // the count typed, the lowest and highest counts
    kept_mutual_member,    // the answer typed, yes, no
    kept_scale,            // the scale typed
    kept_rank,             // the rank typed, the scale typed
    // How a written field was reached.
    grid_index_points,          // the field, the scale, the rank
    grid_amount,                // the field, the scale, the rank
    grid_contribution,          // the field, the scale, the rank
    annual_base_salary,         // uncounted points, point value, first and second fixed amounts
    residence_allowance,        // the zone typed, its rate
    special_charges_yes,        // the rate, yes
    special_charges_no,         // no, the amount
    family_allowance,           // amount per first child, first children, amount per further
                                // child, the last child counted, the children
    gross_total,                // none
    retirement,                 // the retirement rate, the base salary share
    health_insurance,           // the rate, the ceiling, the base salary share
    health_insurance_ceiling,   // the same, the ceiling reached
    general_mutual_not_member,  // the amount
    general_mutual,             // the rate, the ceiling
    general_mutual_ceiling,     // the same, the ceiling reached
    mutual_fund_member,         // the amount
    mutual_fund_not_member,     // the amount
    taxable_amount,             // the deduction rate, its ceiling
    taxable_amount_ceiling,     // the same, the ceiling reached
    tax_rate_lowest_bracket,    // the bracket's upper bound, its rate
    tax_rate_bracket,           // lower bound, upper bound, rate
    tax_rate_top_bracket,       // lower bound, rate
    family_exemption,           // the exemption per dependent
    family_exemption_limited,   // the same, limited by the gross tax
    income_tax_lowest_bracket,  // the bracket's upper bound
    income_tax_bracket,         // lower bound, upper bound, base amount, rate, lower bound
    income_tax_top_bracket,     // lower bound, base amount, rate, lower bound
    total_deductions,           // none
    annual_pay,                 // none
    monthly_pay,                // the months
};

inline constexpr std::size_t message_key_count =
    static_cast<std::size_t>(MessageKey::monthly_pay) + 1;

/// How a number or text of an explanation is to be written.
enum class ValueKind : std::uint8_t {
    /// What a shown field shows, in its own format: the text of `field` in the slip's view.
    field_text,
    /// An amount, to the cent.
    amount,
    /// A rate in percent, with no trailing zero decimals.
    rate,
    /// A whole count.
    count,
    /// A whole amount.
    whole,
    /// A number with no trailing zero decimals.
    number,
    /// A text the user typed or picked, as it was.
    typed_text,
    /// An item of one of the window's lists, as the list writes it.
    list_item,
    /// The name of `field`.
    field_name,
    /// The items of the zone list, in order.
    zone_items,
};

/// One argument of a message: a number with how it is written, a text, or a field.
struct MessageArgument {
    ValueKind kind = ValueKind::amount;
    double number = 0;
    SlipField field = SlipField::index_points;
    std::string text;

    friend bool operator==(const MessageArgument&, const MessageArgument&) = default;
};

/// One sentence of an explanation: its key and its arguments.
struct ExplanationItem {
    MessageKey key = MessageKey::not_computed;
    std::vector<MessageArgument> arguments;

    friend bool operator==(const ExplanationItem&, const ExplanationItem&) = default;
};

/// What a number of a formula is beside the quantity it stands for: a number a step weighed, or,
/// for a field the last computation left unwritten, the field weighed as it was shown before or
/// the amount it showed before that computation.
enum class TermRole : std::uint8_t { weighed, kept_field, shown_before };

/// One number of a formula: what it is, its value and how that is written, and how it joins the
/// terms before it.
struct ExplanationTerm {
    /// What the number stands for: a field (`Quantity::field`), the explained field's amount in
    /// the pay grid (`Quantity::grid_amount`), a zone rate (the zone picked), or one of the
    /// rules' numbers and intermediate amounts.
    Quantity quantity = Quantity::field;
    TermRole role = TermRole::weighed;
    /// The field, for a field and for a grid amount (the explained field's).
    SlipField field = SlipField::index_points;
    /// How the value is written; `ValueKind::field_text` for a field, which shows its own text.
    ValueKind kind = ValueKind::amount;
    double value = 0;
    TermOperation operation = TermOperation::first;

    friend bool operator==(const ExplanationTerm&, const ExplanationTerm&) = default;
};

/// How one shown field of the slip was reached, as structured items: no sentence is written here.
struct FieldExplanation {
    SlipField field = SlipField::index_points;
    ExplanationKind kind = ExplanationKind::not_computed;
    /// The rule, or why the value was kept.
    std::vector<ExplanationItem> items;
    /// The terms of every formula line, in order; each line ends with a `gives` term. Empty
    /// before the first computation.
    std::vector<ExplanationTerm> terms;
};

/// The explanations of the 21 shown fields, in `SlipField` order, from `trace`, the record of the
/// session's last computation (`replay_last_press`); the session must have computed.
std::vector<FieldExplanation> explain_slip(const PaySession& session, const TermTrace& trace);

/// The explanation of every field before the first computation.
FieldExplanation not_computed_explanation(SlipField field);

/// The session's last computation once more, on the slip it found, with every term recorded:
/// the press of OK itself records nothing. The session must have computed.
TermTrace replay_last_press(const PaySession& session);

}  // namespace pay
