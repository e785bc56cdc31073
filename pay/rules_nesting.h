#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace pay {

/// The deepest a value of a rules file may stand: tables, dotted keys, lists and inline tables
/// each add a level. A rules file needs 6 (a key of a rank's row in [[grid.scale]]).
inline constexpr int deepest_rules_nesting = 16;

/// Where a TOML text first nests a value deeper than `deepest`: 1-based, the column counted in
/// code points, as toml++ counts it.
struct NestingPlace {
    std::size_t line = 0;
    std::size_t column = 0;
};

/// The first place where `text` nests deeper than `deepest`, found by a scan that reads no
/// value and builds nothing, so that any depth costs one pass; none when the text stays within
/// it. Strings and comments are skipped as TOML reads them; what is not TOML is left for the
/// parser to refuse.
std::optional<NestingPlace> too_deep_nesting(std::string_view text, int deepest);

}  // namespace pay
