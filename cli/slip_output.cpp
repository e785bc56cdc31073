#include "cli/slip_output.h"

#include <algorithm>
#include <array>
#include <optional>

#include "cli/explanation_output.h"
#include "cli/row_format.h"
#include "pay/pay_session.h"
#include "staff/choice_aliases.h"
#include "staff/messages.h"
#include "staff/refusal_text.h"
#include "staff/utf8.h"

namespace cli {

// velnaro-calc reads and writes through the staff-file library.
using namespace staff;
namespace {

constexpr std::size_t amount_width = 12;

std::size_t longest_name() {
    std::size_t longest = 0;
    for (const pay::SlipFieldInfo& info : pay::slip_fields) {
        longest = std::max(longest, info.name.size());
    }
    return longest;
}

}  // namespace

std::string slip_table(const pay::ShownTexts& texts,
                       const std::vector<pay::FieldExplanation>* explanations) {
    const std::size_t name_width = longest_name();
    std::string table;
    for (const pay::SlipFieldInfo& info : pay::slip_fields) {
        const std::string& text = texts[static_cast<std::size_t>(info.field)];
        table += info.name;
        table.append(name_width - info.name.size() + 2, ' ');
        table.append(amount_width - std::min(amount_width, text.size()), ' ');
        table += text;
        table += "  ";
        table += pay::field_title(info.field);
        table += '\n';
        if (explanations != nullptr) {
            table += formula_lines((*explanations)[static_cast<std::size_t>(info.field)]);
        }
    }
    return table;
}

ExitStatus run_slip(const pay::PayInputs& given, bool json, std::ostream& out, std::ostream& err,
                    bool explain) {
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
    std::optional<pay::ShownTexts> shown;
    std::vector<pay::FieldExplanation> explanations;
    if (resolution.choices) {
        pay::PaySession window;
        if (auto refused = press_resolved(*resolution.choices, window)) {
            error = std::move(*refused);
        } else {
            shown = window.shown();
            if (explain) {
                explanations = pay::explain_slip(window);
            }
        }
    }

    if (json) {
        std::array<std::string, pay::all_choices.size()> columns;
        std::array<std::string, pay::all_choices.size()> values;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            columns[i] = pay::choice_name(pay::all_choices[i]);
            values[i] = pay::choice_text(typed, pay::all_choices[i]);
        }
        const auto format = make_json_lines_format();
        std::string text;
        format->begin(columns, text);
        format->write_row(values, format->slip_part(shown ? &*shown : nullptr),
                          escape_controls(error), text);
        if (explain) {
            // A refused slip has no amounts to explain.
            append_member(text, shown ? explanation_member(explanations)
                                      : std::string("\"explanation\":null"));
        }
        out << text;
    } else if (shown) {
        out << slip_table(*shown, explain ? &explanations : nullptr);
    }
    if (!error.empty()) {
        report(err, calc_program, error);
        return ExitStatus::row_errors;
    }
    return ExitStatus::ok;
}

}  // namespace cli
