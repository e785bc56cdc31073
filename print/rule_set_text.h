#pragma once

#include <QString>
#include <string_view>

#include "pay/rules.h"

namespace print {

/// What names the rule set in effect beside its title: on the printed slip, in the about window
/// and in the comparison window.
inline constexpr std::string_view rules_caption = "Pay rules";

/// The rule set's title, "2010 (2010-01-01)", between a first-strong isolate (U+2068) and its
/// end (U+2069): inside a right-to-left line its digits, brackets and Latin letters keep their
/// order and leave the words around them in theirs.
QString isolated_rule_set_title(const pay::PayRules& rules);

/// `text` as one left-to-right run (U+2066 ... U+2069), for an English caption inside a
/// right-to-left line.
QString left_to_right(const QString& text);

}  // namespace print
