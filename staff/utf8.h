#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace staff {

/// The UTF-8 byte-order mark, which some spreadsheets need to read a file as UTF-8.
inline constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";

/// Whether `text` is well-formed UTF-8 (no overlong forms, surrogates or code points above
/// U+10FFFF).
bool is_valid_utf8(std::string_view text);

/// The length of the well-formed UTF-8 sequence that starts `text`, or 0 when an ill-formed one
/// starts it.
std::size_t valid_sequence_length(std::string_view text);

/// `text` with each ill-formed sequence replaced by U+FFFD, one replacement per maximal ill-formed
/// subpart as Unicode recommends.
std::string replace_invalid_utf8(std::string_view text);

}  // namespace staff
