#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pay/slip_fields.h"
#include "staff/batch_input.h"

namespace cli {

using staff::error_column;

/// How output rows are written. A row is the input values, the slip part (the 21 shown texts and
/// the values of any columns added after them, which can be prepared once and written many
/// times) and the error.
class RowFormat {
  public:
    virtual ~RowFormat() = default;

    /// Starts the output, given the names of the input columns.
    virtual void begin(std::span<const std::string> input_columns, std::string& out) = 0;

    /// Appends the slip part of a row showing `texts`, or empty texts when there are none.
    virtual void append_slip_part(const pay::ShownTexts* texts, std::string& part) const = 0;

    /// Appends the values of the columns the format adds after the slip fields, one for each, or
    /// empty values when `values` is empty.
    virtual void append_added_part(std::span<const std::string> values,
                                   std::string& part) const = 0;

    /// The whole slip part: the 21 texts, or empty ones, then the added values, or empty ones.
    std::string slip_part(const pay::ShownTexts* texts,
                          std::span<const std::string> added = {}) const {
        std::string part;
        append_slip_part(texts, part);
        append_added_part(added, part);
        return part;
    }

    /// Writes one row; `inputs` has one value per input column.
    virtual void write_row(std::span<const std::string> inputs, std::string_view slip_part,
                           std::string_view error, std::string& out) = 0;
};

/// Appends one CSV field, quoted when it holds `delimiter`, a quote or a line end.
void append_csv_field(std::string_view text, char delimiter, std::string& out);

/// Appends one CSV field, quoted when it holds a comma, a quote or a line end.
inline void append_csv_field(std::string_view text, std::string& out) {
    append_csv_field(text, ',', out);
}

/// RFC 4180 CSV with a header row, its fields separated by `delimiter`; fields are quoted when
/// they hold the delimiter, a quote or a line end. Lines end with LF. `added_columns` stand
/// between the slip fields and the error.
std::unique_ptr<RowFormat> make_csv_format(char delimiter = ',',
                                           const std::vector<std::string>& added_columns = {});

/// Whether the JSON library writes `text` as a JSON string by quoting it alone: well-formed UTF-8
/// without control characters, quotes or backslashes.
bool needs_no_escape(std::string_view text);

/// JSON Lines: one object per row, its members in column order, every value a string.
/// `added_columns` stand between the slip fields and the error.
std::unique_ptr<RowFormat> make_json_lines_format(
    const std::vector<std::string>& added_columns = {});

}  // namespace cli
