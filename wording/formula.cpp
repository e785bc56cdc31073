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
std::optional<Fraction> shown_value(std::span<const Term> terms) {
    std::optional<Fraction> value;
    for (const Term& term : terms) {
        const std::optional<Fraction> number = shown_number(term.value);
        if (!number) {
            return std::nullopt;
        }
        switch (term.operation) {
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
        switch (term.operation) {
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

// The relation of a line whose terms give `result`: exact when the shown numbers give the shown
// result, approximate otherwise.
std::string_view result_relation(std::span<const Term> line, std::string_view result) {
    const std::optional<Fraction> worked = shown_value(line);
    const std::optional<Fraction> shown = shown_number(result);
    return worked && shown && *worked != *shown ? about_equals : equals;
}

// The relation of a bracket's bound to the amount it is tested against, as the shown numbers bear
// it out: an amount just above a bound can show as the bound itself.
std::string_view bound_relation(std::string_view low, std::string_view high, bool strict) {
    const std::optional<Fraction> a = shown_number(low);
    const std::optional<Fraction> b = shown_number(high);
    if (!a || !b || (strict ? *a < *b : *a <= *b)) {
        return strict ? less : not_more;
    }
    return about_not_more;
}

}  // namespace

std::string render_formula(const std::vector<Term>& terms) {
    std::string formula;
    if (terms.empty()) {
        return formula;
    }
    // The line being worked, and the numbers its bounds are tested against; the views point into
    // `terms`.
    std::string line;
    std::string_view first;
    std::string_view lower;
    std::string_view upper;
    formula.reserve(32 * terms.size());
    line.reserve(128);
    bool additive = false;  // the line so far ends in a sum, to be bracketed before a product
    std::size_t operations = 0;
    std::size_t line_start = 0;
    for (std::size_t index = 0; index < terms.size(); ++index) {
        const Term& term = terms[index];
        const std::string& value = term.value;
        switch (term.operation) {
            case TermOperation::first:
                line = value;
                first = value;
                lower = {};
                upper = {};
                additive = false;
                operations = 0;
                line_start = index;
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
                lower = value;
                break;
            case TermOperation::not_above:
                upper = value;
                break;
            case TermOperation::gives: {
                // Each line is written straight after the ones before it.
                formula += formula.empty() ? "" : "\n";
                if (!lower.empty() || !upper.empty()) {
                    if (!lower.empty()) {
                        formula.append(lower).append(bound_relation(lower, first, true));
                    }
                    formula += line;
                    if (!upper.empty()) {
                        formula.append(bound_relation(first, upper, false)).append(upper);
                    }
                    formula.append(" → ").append(value);
                } else if (operations == 0 && line == value) {
                    formula += value;  // a value taken as it is: a grid amount, a kept amount
                } else {
                    const std::span<const Term> worked(terms.data() + line_start,
                                                       index - line_start);
                    formula.append(line).append(result_relation(worked, value)).append(value);
                }
                continue;
            }
        }
        ++operations;
    }
    return formula;
}

}  // namespace wording
