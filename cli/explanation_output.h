#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "pay/explanation.h"
#include "pay/pay_session.h"
#include "pay/rules.h"
#include "wording/explanation_text.h"

namespace cli {

/// The formula lines of an explanation, each indented to stand under its amount in the slip
/// table, one per line.
std::string formula_lines(const wording::Explanation& explanation);

/// The explanations of the 21 fields of the session's slip, in the words of `words`, as every
/// output writes them.
std::vector<wording::Explanation> explained_slip(
    const pay::PaySession& session, const wording::Catalogue& words = wording::arabic_catalogue());

/// The JSON member `"explanation":{...}` of a row: for each of the 21 fields, by name, its
/// `kind` ("computed", "kept" or "not_computed"), `sentence`, `formula` and `terms` (each with
/// `name`, `value` as shown and `operation`).
std::string explanation_member(const std::vector<wording::Explanation>& explanations);

/// The name of the JSON member that names the rules an explanation follows.
inline constexpr std::string_view rules_member_name = "rules";

/// One line naming a rule set and what it is to the output, such as
/// "rules in effect: 2010 (2010-01-01)"; its control characters escaped.
std::string rules_line(std::string_view role, const pay::PayRules& rules);

/// The JSON member `"rules":"2010 (2010-01-01)"`, which stands before a row's explanation.
std::string rules_member(const pay::PayRules& rules);

/// Adds `member` as the last member of the JSON object that ends `row` ("...}\n").
void append_member(std::string& row, std::string_view member);

}  // namespace cli
