#include "cli/slip_output.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "cli/explanation_output.h"
#include "cli/row_format.h"
#include "language/pay_texts.h"
#include "pay/paired_sessions.h"
#include "pay/shown_units.h"
#include "staff/choice_aliases.h"
#include "staff/messages.h"
#include "staff/refusal_text.h"
#include "staff/utf8.h"

namespace cli {

// velnaro-calc reads and writes through the staff-file library.
using namespace staff;
namespace {

constexpr std::size_t amount_width = 12;
constexpr const char* calc_context = "velnaro-calc";

// The caption of the arrears line: in Arabic runs the English one it has always been.
std::string arrears_caption(const language::Catalogue& catalogue, int months) {
    if (catalogue.language() == language::Language::ar) {
        return "arrears (" + std::to_string(months) + (months == 1 ? " month)" : " months)");
    }
    return catalogue.utf8(calc_context, "arrears (%n month(s))", months);
}

std::size_t longest_name() {
    std::size_t longest = 0;
    for (const pay::SlipFieldInfo& info : pay::slip_fields) {
        longest = std::max(longest, info.name.size());
    }
    return longest;
}

// The characters of a UTF-8 text, as the columns count them: a French caption's accented
// letters take one column each.
std::size_t columns_of(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char byte) {
        return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
    }));
}

// `name` padded to the names' column and two spaces.
void append_name(std::string_view name, std::string& line) {
    line += name;
    line.append(longest_name() - std::min(longest_name(), columns_of(name)) + 2, ' ');
}

void append_right_aligned(std::string_view text, std::string& line) {
    line.append(amount_width - std::min(amount_width, columns_of(text)), ' ');
    line += text;
}

// What one press of the choices on fresh windows shows, under the rules in effect and the
// previous ones, or why it is refused.
struct Press {
    std::optional<pay::SlipView> shown;
    std::optional<pay::SlipView> previous;
    std::vector<wording::Explanation> explanations;
    std::string error;
};

const std::string& text_of(const pay::SlipView& view, pay::SlipField field) {
    return view.field(field).text;
}

// The texts a row of velnaro-calc's output holds, in the order of the fields.
pay::ShownTexts row_texts(const pay::SlipView& view) {
    pay::ShownTexts texts;
    for (const pay::FieldView& field : view.fields) {
        texts[static_cast<std::size_t>(field.field)] = field.text;
    }
    return texts;
}

std::optional<MonthlyDifference> monthly_difference(const pay::SlipView& in_effect,
                                                    const pay::SlipView& previous,
                                                    const RulesComparison& comparison) {
    constexpr pay::SlipField monthly = pay::SlipField::monthly_pay;
    return cli::monthly_difference(text_of(in_effect, monthly), text_of(previous, monthly),
                                   comparison, '.');
}

Press press(const ResolvedChoices& choices, const SlipRequest& request) {
    pay::PairedSessions windows(".", *request.rules, request.comparison.previous);
    Press pressed;
    if (const auto refused = windows.press_ok(choices.inputs(), choices.typed)) {
        pressed.error = describe(refused->refusal);
        return pressed;
    }
    // One view of the slip serves its amounts and, when asked for, its explanations.
    pressed.shown = pay::view_slip(windows.in_effect(), request.explain ? pay::ViewDetail::explained
                                                                        : pay::ViewDetail::amounts);
    if (windows.previous() != nullptr) {
        pressed.previous = pay::view_slip(*windows.previous(), pay::ViewDetail::amounts);
    }
    if (request.explain) {
        pressed.explanations = wording::explain_slip(
            *pressed.shown, pressed.shown->decimal_separator, request.words.words());
    }
    return pressed;
}

ExitStatus write_slip(const pay::PayInputs& given, const SlipRequest& request, std::ostream& out,
                      std::ostream& err) {
    pay::PayInputs typed = given;
    std::string error;
    for (const pay::Choice choice : pay::all_choices) {
        std::string& text = pay::choice_text(typed, choice);
        if (!is_valid_utf8(text)) {
            if (error.empty()) {
                error = "invalid UTF-8 in " + std::string(pay::choice_name(choice));
            }
            text = replace_invalid_utf8(text);
        }
    }
    const Resolution resolution = error.empty() ? resolve_choices(typed) : Resolution{};
    error = error.empty() ? resolution.error : error;
    Press in_effect;
    if (resolution.choices) {
        in_effect = press(*resolution.choices, request);
        error = in_effect.error;
    }
    const bool compared = request.comparison.previous != nullptr;

    if (request.json) {
        std::array<std::string, pay::all_choices.size()> columns;
        std::array<std::string, pay::all_choices.size()> values;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            columns[i] = pay::choice_name(pay::all_choices[i]);
            values[i] = pay::choice_text(typed, pay::all_choices[i]);
        }
        const auto format = make_json_lines_format(
            compared ? rules_comparison_columns(request.comparison) : std::vector<std::string>{});
        std::optional<MonthlyDifference> difference;
        if (in_effect.shown && in_effect.previous) {
            difference =
                monthly_difference(*in_effect.shown, *in_effect.previous, request.comparison);
        }
        const std::optional<pay::ShownTexts> texts =
            in_effect.shown ? std::optional(row_texts(*in_effect.shown)) : std::nullopt;
        std::string text;
        format->begin(columns, text);
        format->write_row(
            values,
            format->slip_part(texts ? &*texts : nullptr,
                              difference ? difference->values : std::vector<std::string>{}),
            escape_controls(error), text);
        if (request.explain) {
            append_member(text, rules_member(*request.rules));
            // A refused slip has no amounts to explain.
            append_member(text, in_effect.shown ? explanation_member(in_effect.explanations)
                                                : std::string("\"explanation\":null"));
        }
        out << text;
    } else if (in_effect.shown && compared) {
        out << slip_comparison_table(
            *in_effect.shown, *in_effect.previous, request.comparison.months,
            request.explain ? &in_effect.explanations : nullptr, request.catalogue);
    } else if (in_effect.shown) {
        if (request.explain) {
            out << rules_line(request.catalogue.utf8(calc_context, "rules in effect"),
                              *request.rules);
        }
        out << slip_table(*in_effect.shown, request.explain ? &in_effect.explanations : nullptr,
                          request.catalogue);
    }
    if (!error.empty()) {
        report(err, calc_program, error);
        return ExitStatus::row_errors;
    }
    return ExitStatus::ok;
}

}  // namespace

std::string slip_table(const pay::SlipView& view,
                       const std::vector<wording::Explanation>* explanations,
                       const language::Catalogue& catalogue) {
    std::string table;
    for (const pay::SlipFieldInfo& info : pay::slip_fields) {
        append_name(info.name, table);
        append_right_aligned(text_of(view, info.field), table);
        table += "  ";
        table += language::pay_text_utf8(catalogue, pay::field_title(info.field));
        table += '\n';
        if (explanations != nullptr) {
            table += formula_lines((*explanations)[static_cast<std::size_t>(info.field)]);
        }
    }
    return table;
}

std::string slip_comparison_table(const pay::SlipView& in_effect, const pay::SlipView& previous,
                                  int months, const std::vector<wording::Explanation>* explanations,
                                  const language::Catalogue& catalogue) {
    const auto caption = [&catalogue](std::string_view source) {
        return catalogue.utf8(calc_context, source);
    };
    std::string table = rules_line(caption("rules in effect"), *in_effect.rules) +
                        rules_line(caption("previous rules"), *previous.rules);
    append_name(caption("field"), table);
    append_right_aligned(caption("in effect"), table);
    table += "  ";
    append_right_aligned(caption("previous"), table);
    table += "  ";
    append_right_aligned(caption("difference"), table);
    table += '\n';
    for (const pay::SlipFieldInfo& info : pay::slip_fields) {
        const std::string& now = text_of(in_effect, info.field);
        const std::string& before = text_of(previous, info.field);
        append_name(info.name, table);
        append_right_aligned(now, table);
        table += "  ";
        append_right_aligned(before, table);
        table += "  ";
        append_right_aligned(pay::field_difference(info.field, now, before, '.'), table);
        table += "  ";
        table += language::pay_text_utf8(catalogue, pay::field_title(info.field));
        table += '\n';
        if (explanations != nullptr) {
            table += formula_lines((*explanations)[static_cast<std::size_t>(info.field)]);
        }
    }
    if (const auto difference =
            monthly_difference(in_effect, previous, {.previous = previous.rules, .months = months});
        difference && months > 0) {
        // Under the differences, as the sum they make over the months.
        append_name(arrears_caption(catalogue, months), table);
        table.append(2 * (amount_width + 2), ' ');
        append_right_aligned(difference->values.back(), table);
        table += '\n';
    }
    return table;
}

ExitStatus run_slip(const pay::PayInputs& typed, const SlipRequest& request, std::ostream& out,
                    std::ostream& err) {
    return write_slip(typed, request, out, err);
}

}  // namespace cli
