#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace staff {

/// `text` with its control characters shown as escapes, so that a message cannot move a
/// terminal's cursor or set its title: C0 controls and DEL as `\x1b`, C1 controls as `\u009b`,
/// and each byte of an ill-formed UTF-8 sequence as `\xe9`.
std::string escape_controls(std::string_view text);

/// `name` in single quotes, cut to at most 120 bytes (never inside a UTF-8 sequence) and marked
/// "..." where it was cut: a name a message quotes, so that a message stays a line however long
/// the name a file gives.
std::string quoted_name(std::string_view name);

/// The names the programs begin their messages with.
inline constexpr std::string_view calc_program = "velnaro-calc";
inline constexpr std::string_view slips_program = "velnaro-slips";
inline constexpr std::string_view window_program = "velnaro";
inline constexpr std::string_view pictures_program = "velnaro-pictures";

/// Writes "PROGRAM: MESSAGE" as one line on `err`, the message's control characters escaped:
/// every message of the three programs on standard error is written here, so none can drive the
/// terminal.
void report(std::ostream& err, std::string_view program, std::string_view message);

/// "cannot write NAME: REASON", the reason being the system's text for `error` (an errno value).
std::string cannot_write(std::string_view name, int error);

/// "cannot read NAME: REASON".
std::string cannot_read(std::string_view name, int error);

/// What an interrupt that came as an output took its name did: too late to keep the earlier file,
/// so the run stands. "interrupted as NAME took its name; it holds every WHAT".
std::string interrupted_as_replaced(std::string_view name, std::string_view what);

}  // namespace staff
