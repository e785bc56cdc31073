#pragma once

#include <QString>
#include <optional>
#include <variant>

#include "pay/rules.h"

namespace ui {

/// The pay rules of one run of the window, read once at its start; `main` keeps them until the
/// program ends and the windows refer to them.
struct ProgramRules {
    /// What every amount is computed, explained, printed and drawn with: the rules built in, or
    /// those of --rules.
    pay::PayRules in_effect;
    /// The rules of --compare-rules, which the comparison window sets the rules in effect
    /// against; none without the option.
    std::optional<pay::PayRules> previous;
};

/// The rules of the files the options name, or the one line that refuses a file
/// ("FILE:LINE:COL: message"): the rules built in unless `rules_file` names a file, and the
/// previous rules of `compare_file`.
std::variant<ProgramRules, QString> read_program_rules(const std::optional<QString>& rules_file,
                                                       const std::optional<QString>& compare_file);

}  // namespace ui
