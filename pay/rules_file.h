#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "pay/rules.h"

namespace pay {

/// Why a rules file is refused, and where in it.
struct RulesFileError {
    /// The file's name as the user gave it.
    std::string file;
    /// 1-based; 0 when the fault is the whole file's (it cannot be read).
    int line = 0;
    int column = 0;
    std::string message;
};

/// "rules/2027.toml:41:9: MESSAGE", or "rules/2027.toml: MESSAGE" for the whole file.
std::string describe(const RulesFileError& error);

using RulesReading = std::variant<PayRules, RulesFileError>;

/// The rules a rules file's text sets, every value checked; `file` names it in messages.
RulesReading read_rules(std::string_view text, std::string_view file);

/// The rules of the file at `path`.
RulesReading load_rules_file(const std::string& path);

}  // namespace pay
