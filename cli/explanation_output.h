#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "pay/explanation.h"

namespace cli {

/// The formula lines of an explanation, each indented to stand under its amount in the slip
/// table, one per line.
std::string formula_lines(const pay::FieldExplanation& explanation);

/// The JSON member `"explanation":{...}` of a row: for each of the 21 fields, by name, its
/// `kind` ("computed", "kept" or "not_computed"), `sentence`, `formula` and `terms` (each with
/// `name`, `value` as shown and `operation`).
std::string explanation_member(const std::vector<pay::FieldExplanation>& explanations);

/// Adds `member` as the last member of the JSON object that ends `row` ("...}\n").
void append_member(std::string& row, std::string_view member);

}  // namespace cli
