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

/// The header row of a batch, checked: its names as written, where the seven choices stand, and
/// the separator of its fields.
struct BatchHeader {
    std::vector<std::string> names;
    ColumnMap map;
    char delimiter = ',';

    /// The place of the column named `name` (matched as the choice columns are: in any case,
    /// spaces around ignored), if the header has one.
    std::optional<std::size_t> column(std::string_view name) const;
};

/// A header name as it is matched: without the spaces and tabs around it, ASCII letters in lower
/// case. "Scale " and "scale" name one column.
std::string folded_name(std::string_view name);

/// The choice a header name stands for: its column name (`special_charges`) or the name of its
/// command-line option (`special-charges`), matched as `folded_name` says.
std::optional<pay::Choice> choice_named(std::string_view name);

/// The separator a header line picks when none is given: a ';' or a tab when the line holds no
/// comma but one of them, a comma otherwise.
char detected_delimiter(std::string_view header_line);

/// Reads the header row with the separator of `options`, or the one the header picks: its
/// columns, or the outcome of a batch that cannot run (an unreadable input, no header row, a
/// malformed or ill-named header, a decimal comma with a comma as separator). The reader then
/// reads the rows with that separator.
std::variant<BatchHeader, BatchOutcome> read_header(CsvReader& reader, const BatchOptions& options);

/// Why a record cannot be computed at all (malformed, the wrong number of fields, invalid
/// UTF-8 in any of its columns, each named), or nothing.
std::string record_fault(const CsvRecord& record, const BatchHeader& header);

/// The seven choices of a sound record, as typed.
void assign_choices(const CsvRecord& record, const ColumnMap& map, pay::PayInputs& typed);

/// Joins the faults of one row, as its error column lists them.
void add_fault(std::string& faults, std::string_view fault);

}  // namespace cli
