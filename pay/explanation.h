#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "pay/slip_fields.h"
#include "pay/trace.h"

namespace pay {

class PaySession;

/// What every part of the program says when asked for a result before the first computation.
inline constexpr std::string_view nothing_computed_text =
    "لم يُحسب أي مبلغ بعد: اختر الخيارات السبعة ثم اضغط «موافق».";

/// The name of an operation as the command line writes it: "first", "plus", ... "gives".
std::string_view operation_name(TermOperation operation);

/// One number of a formula: what it is, and its value written as the window shows it.
struct ExplanationTerm {
    std::string name;
    std::string value;
    TermOperation operation = TermOperation::first;

    friend bool operator==(const ExplanationTerm&, const ExplanationTerm&) = default;
};

/// What an explanation says of its field.
enum class ExplanationKind {
    /// The last computation wrote the field.
    computed,
    /// The last computation left the field unwritten: it keeps the value shown before.
    kept,
    /// Nothing has been computed yet.
    not_computed,
};

/// How one shown field of the slip was reached.
struct FieldExplanation {
    SlipField field = SlipField::index_points;
    /// The field's name as its caption reads, without the stretching the window's layout needed.
    std::string name;
    ExplanationKind kind = ExplanationKind::not_computed;
    /// The rule, or why the value was kept, in one Arabic sentence. Numbers in it are isolated
    /// left-to-right runs (U+2066 ... U+2069) so that they read correctly inside the sentence.
    std::string sentence;
    /// The formula lines with the numbers of the slip, separated by "\n"; each line reads left to
    /// right and holds no Arabic text. Empty before the first computation.
    std::string formula;
    /// The terms of every formula line, in order; each line ends with a `gives` term.
    std::vector<ExplanationTerm> terms;
};

/// Explains one shown field of the session's last computation, with the session's decimal
/// separator. Built on demand: the press of OK records nothing, so the explanation runs that
/// computation once more on the slip it found, with a `TermTrace`, and reads its terms, the
/// numbers it weighed and the fields it wrote from that record.
FieldExplanation explain_field(const PaySession& session, SlipField field);

/// The explanations of the 21 shown fields, in `SlipField` order.
std::vector<FieldExplanation> explain_slip(const PaySession& session);

/// The same from `trace`, the record of the session's last computation (`replay_last_press`);
/// the session must have computed.
std::vector<FieldExplanation> explain_slip(const PaySession& session, const TermTrace& trace);

/// The session's last computation once more, on the slip it found, with every term recorded:
/// the press of OK itself records nothing. The session must have computed.
TermTrace replay_last_press(const PaySession& session);

/// Renders formula lines from their terms, as `FieldExplanation::formula` holds them.
std::string render_formula(const std::vector<ExplanationTerm>& terms);

}  // namespace pay
