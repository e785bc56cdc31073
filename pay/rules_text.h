#pragma once

#include <optional>
#include <string>
#include <string_view>

// The texts of a rules file: how a message quotes them, which characters they may hold, and
// when a name is one that the window, the slips and the terminal can show.
namespace pay {

/// `text` as a message may quote it, on one line and in the order it stands: a control
/// character, a line or paragraph separator, a bidi control or a byte that is not UTF-8 is
/// written as its escape (\t, \n, \u202E, \xFF); every other character as it is.
std::string escaped(std::string_view text);

/// "'text'", escaped.
std::string quoted(std::string_view text);

/// The first character of `text` that could move a terminal's cursor or reorder what is shown
/// around it wherever the text is shown: a control character other than a tab or a line break,
/// or a bidi embedding, override, isolate or mark. `text` is UTF-8, as toml++ has checked.
std::optional<char32_t> unsafe_character(std::string_view text);

/// "U+202E".
std::string code_point_name(char32_t c);

/// Why `name` cannot name a rule set, which stands on one line of the window's title, the slips
/// and the explanations; none when it can. `key` names it in the message.
std::optional<std::string> name_fault(std::string_view key, std::string_view name);

/// `text` with each Arabic letter followed by a combining hamza or madda written as the one
/// letter that composes them (U+0627 U+0654 as U+0623), as Unicode's composed form (NFC) writes
/// them: the window's list items are composed.
std::string composed_arabic(std::string_view text);

}  // namespace pay
