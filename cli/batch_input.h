#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/batch.h"
#include "pay/pay_inputs.h"

namespace cli {

class CsvReader;
struct CsvRecord;

/// Where the seven choices stand among the input columns.
struct ColumnMap {
    std::array<std::size_t, pay::all_choices.size()> choice_column{};
    std::size_t width = 0;
};

/// The header row of a batch, checked: its names and where the seven choices stand.
struct BatchHeader {
    std::vector<std::string> names;
    ColumnMap map;

    /// The place of the column named `name`, if the header has one.
    std::optional<std::size_t> column(std::string_view name) const;
};

/// Reads the header row: its columns, or the outcome of a batch that cannot run (an unreadable
/// input, no header row, a malformed or ill-named header).
std::variant<BatchHeader, BatchOutcome> read_header(CsvReader& reader, const BatchOptions& options);

/// Why a record cannot be computed at all (malformed, the wrong number of fields, invalid
/// UTF-8), or nothing.
std::string record_fault(const CsvRecord& record, const BatchHeader& header);

/// The seven choices of a sound record, as typed.
void assign_choices(const CsvRecord& record, const ColumnMap& map, pay::PayInputs& typed);

}  // namespace cli
