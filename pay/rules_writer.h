#pragma once

#include <string>

#include "pay/rules.h"

namespace pay {

/// The rules as a commented rules file that reads back to the same rules: the way to start a new
/// year's file from the rules in effect.
std::string write_rules(const PayRules& rules);

}  // namespace pay
