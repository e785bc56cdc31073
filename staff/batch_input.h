#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "pay/pay_inputs.h"
#include "staff/exit_status.h"

namespace staff {

class CsvReader;
struct CsvRecord;

/// The last column of a computed staff file, after the input columns and the slip fields: a
/// header that names it, or a slip field, is a computed file read again.
inline constexpr std::string_view error_column = "error";

/// How a staff file's header is read.
struct HeaderOptions {
    /// How messages name the input.
    std::string input_name = "the input";
    /// The separator of the fields; none to take a comma, or the ';' or tab of a header that
    /// holds no comma.
    char delimiter = '\0';
    /// Amounts will be written with a decimal comma into fields that a comma separates, which
    /// the header's separator must then not be.
    bool decimal_comma_in_fields = false;
};

/// Why a staff file cannot be read at all, as a program ends with it.
struct HeaderRefusal {
    ExitStatus status = ExitStatus::usage;
    std::string message;
};

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
std::variant<BatchHeader, HeaderRefusal> read_header(CsvReader& reader,
                                                     const HeaderOptions& options);

/// Why a record cannot be computed at all (malformed, the wrong number of fields, invalid
/// UTF-8 in any of its columns, each named), or nothing.
std::string record_fault(const CsvRecord& record, const BatchHeader& header);

/// The seven choices of a sound record, as typed.
void assign_choices(const CsvRecord& record, const ColumnMap& map, pay::PayInputs& typed);

/// Joins the faults of one row, as its error column lists them.
void add_fault(std::string& faults, std::string_view fault);

}  // namespace staff
