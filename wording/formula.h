#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pay/shown_arithmetic.h"
#include "pay/trace.h"

namespace wording {

/// One number of a formula as it is written: its name, its value as the window shows it, and how
/// it joins the terms before it.
struct Term {
    std::string name;
    std::string value;
    pay::TermOperation operation = pay::TermOperation::first;

    friend bool operator==(const Term&, const Term&) = default;
};

/// The formula lines of `terms`, separated by "\n"; each line reads left to right. A line whose
/// shown numbers do not give its shown result exactly (the computation works on unrounded
/// amounts) relates them with "≈", and a bracket's bound that its shown amount passes with "≲".
std::string render_formula(const std::vector<Term>& terms);

/// The approximate signs a formula was written with.
struct FormulaSigns {
    bool about_equals = false;
    bool about_not_more = false;
};

/// Appends the formula lines of `terms` to `out`, as `render_formula` writes them, given the
/// number each term shows (`numbers[i]` for `terms[i]`, nothing when it shows no number): a
/// caller that already knows them saves reading the texts back.
FormulaSigns write_formula(std::span<const Term> terms,
                           std::span<const std::optional<pay::Fraction>> numbers, std::string& out);

/// The approximate signs a formula holds: "≈" and "≲".
inline constexpr std::string_view about_equals_sign = "≈";
inline constexpr std::string_view about_not_more_sign = "≲";

}  // namespace wording
