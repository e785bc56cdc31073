#pragma once

#include <QString>
#include <string_view>

#include "pay/rules.h"

namespace print {

/// What names the rule set in effect beside its title: on the printed slip, in the about window
/// and in the comparison window.
inline constexpr std::string_view rules_caption = "قواعد الأجرة";

/// The rule set's title, "2010 (2010-01-01)", isolated: inside a right-to-left line its digits,
/// brackets and Latin letters keep their order and leave the words around them in theirs.
QString isolated_rule_set_title(const pay::PayRules& rules);

}  // namespace print
