#include "wording/formula.h"

#include <algorithm>
#include <optional>

#include "pay/shown_arithmetic.h"

namespace wording {
namespace {

using pay::Fraction;
using pay::shown_number;
using pay::TermOperation;

// The relations a line writes when its shown numbers bear it out exactly, and when they do not:
// the computation works on unrounded amounts, and a line shows them to the cent.
constexpr std::string_view equals = " = ";
constexpr std::string_view about_equals = " ≈ ";
constexpr std::string_view less = " < ";
constexpr std::string_view not_more = " ≤ ";
constexpr std::string_view about_not_more = " ≲ ";

// The value of a line's terms from its `first` up to, not including, its `gives`, worked left to
// right as the line reads, with the numbers the terms show. Nothing when a term is not a shown
// number, or for a bracket test.
std::optional<Fraction> shown_value(std::span<const Term> terms,
                                    std::span<const std::optional<Fraction>> numbers) {
    std::optional<Fraction> value;
    for (std::size_t i = 0; i < terms.size(); ++i) {
        const std::optional<Fraction>& number = numbers[i];
        if (!number) {
            return std::nullopt;
        }
        const TermOperation operation = terms[i].operation;
        switch (operation) {
            case TermOperation::first:
                value = *number;
                continue;
            case TermOperation::gives:
            case TermOperation::above:
            case TermOperation::not_above:
                return std::nullopt;
            default:
                break;
        }
        if (!value) {
            return std::nullopt;
        }
        switch (operation) {
            case TermOperation::plus:
                value = *value + *number;
                break;
            case TermOperation::minus:
                value = *value - *number;
                break;
            case TermOperation::times:
                value = *value * *number;
                break;
            case TermOperation::percent_of:
                value = *value * *number * Fraction(1, 100);
                break;
            case TermOperation::divided_by:
                value = divided(*value, *number);
                if (!value) {
                    return std::nullopt;
                }
                break;
            case TermOperation::at_most:
                value = std::min(*value, *number);
                break;
            default:
                break;
        }
    }
    return value;
}

// The relation of a bracket's bound to the amount it is tested against, as the shown numbers bear
// it out: an amount just above a bound can show as the bound itself.
bool bound_holds(const std::optional<Fraction>& low, const std::optional<Fraction>& high,
                 bool strict) {
    return !low || !high || (strict ? *low < *high : *low <= *high);
}

}  // namespace

std::string render_formula(const std::vector<Term>& terms) {
    std::vector<std::optional<Fraction>> numbers;
    numbers.reserve(terms.size());
    for (const Term& term : terms) {
        numbers.push_back(shown_number(term.value));
    }
    std::string formula;
    write_formula(terms, numbers, formula);
    return formula;
}

FormulaSigns write_formula(std::span<const Term> terms,
                           std::span<const std::optional<Fraction>> numbers, std::string& out) {
    FormulaSigns signs;
    if (terms.empty()) {
        return signs;
    }
    // The line being worked, and the terms its bounds are tested against.
    std::string line;
    std::size_t first = 0;
    const std::size_t none = terms.size();  // no bound on the line
    std::size_t lower = none;
    std::size_t upper = none;
    out.reserve(out.size() + 32 * terms.size());
    line.reserve(128);
    bool written = false;   // a line is written, the next one goes after a "\n"
    bool additive = false;  // the line so far ends in a sum, to be bracketed before a product
    std::size_t operations = 0;
    for (std::size_t index = 0; index < terms.size(); ++index) {
        const Term& term = terms[index];
        const std::string& value = term.value;
        switch (term.operation) {
            case TermOperation::first:
                line = value;
                first = index;
                lower = none;
                upper = none;
                additive = false;
                operations = 0;
                continue;
            case TermOperation::plus:
            case TermOperation::minus:
                line += term.operation == TermOperation::plus ? " + " : " − ";
                line += value;
                additive = true;
                break;
            case TermOperation::times:
            case TermOperation::percent_of:
            case TermOperation::divided_by:
                if (additive) {
                    line.insert(0, "(");
                    line += ')';
                    additive = false;
                }
                line += term.operation == TermOperation::divided_by ? " ÷ " : " × ";
                line += value;
                break;
            case TermOperation::at_most:
                line.insert(0, "min(");
                line.append(" ; ").append(value).append(")");
                additive = false;
                break;
            case TermOperation::above:
                lower = value.empty() ? none : index;
                break;
            case TermOperation::not_above:
                upper = value.empty() ? none : index;
                break;
            case TermOperation::gives: {
                // Each line is written straight after the ones before it.
                out += written ? "\n" : "";
                written = true;
                if (lower != none || upper != none) {
                    if (lower != none) {
                        const bool holds = bound_holds(numbers[lower], numbers[first], true);
                        signs.about_not_more |= !holds;
                        out.append(terms[lower].value).append(holds ? less : about_not_more);
                    }
                    out += line;
                    if (upper != none) {
                        const bool holds = bound_holds(numbers[first], numbers[upper], false);
                        signs.about_not_more |= !holds;
                        out.append(holds ? not_more : about_not_more).append(terms[upper].value);
                    }
                    out.append(" → ").append(value);
                } else if (operations == 0 && line == value) {
                    out += value;  // a value taken as it is: a grid amount, a kept amount
                } else {
                    // Exact when the shown numbers give the shown result, approximate otherwise.
                    const std::optional<Fraction> worked = shown_value(
                        terms.subspan(first, index - first), numbers.subspan(first, index - first));
                    const bool about = worked && numbers[index] && *worked != *numbers[index];
                    signs.about_equals |= about;
                    out.append(line).append(about ? about_equals : equals).append(value);
                }
                continue;
            }
        }
        ++operations;
    }
    return signs;
}

}  // namespace wording
