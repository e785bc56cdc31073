#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/rules_comparison.h"
#include "language/explanation_words.h"
#include "pay/rules.h"
#include "pay/slip_fields.h"
#include "pay/wide_integer.h"
#include "staff/exit_status.h"

namespace staff {
class CsvReader;
}

namespace cli {

/// How much output a batch holds before it writes it.
inline constexpr std::size_t flush_size = std::size_t{1} << 16;
/// How many faulty rows the closing message names by their line.
inline constexpr std::size_t named_faulty_lines = 5;
/// How often the progress is told of the rows done.
inline constexpr std::size_t progress_rows = 1024;

struct BatchOptions {
    /// JSON Lines instead of CSV.
    bool json = false;
    /// The rows are the successive OK presses of one window, texts taken as typed.
    bool session = false;
    /// Each JSON row gains a `rules` member naming the rules in effect and an `explanation` member
    /// (JSON Lines only).
    bool explain = false;
    /// The rules the rows are computed with.
    /// The rules in effect: a run names them, there is no fallback.
    const pay::PayRules* rules = nullptr;
    /// The rules each row is also computed under, its columns after monthly_pay; none for no
    /// comparison.
    RulesComparison comparison{};
    /// How messages name the input and the output.
    std::string input_name = "the input";
    std::string output_name = "the output";
    /// The separator of input and output fields; none to take a comma, or the ';' or tab of a
    /// header that holds no comma.
    char delimiter = '\0';
    /// Amounts written with a decimal comma (not with a comma as the separator of CSV fields).
    bool decimal_comma = false;
    /// A UTF-8 byte-order mark before the output (CSV only: the command line refuses it with
    /// JSON Lines, which has none).
    bool byte_order_mark = false;
    /// Told the rows done so far, every thousand rows or so; empty for no progress.
    std::function<void(std::size_t rows)> progress{};
    /// The words of the JSON rows' explanations.
    language::ExplanationWords words{};
};

/// The amounts that a batch adds up over the rows that succeeded.
inline constexpr std::array summed_fields{pay::SlipField::gross_total,
                                          pay::SlipField::total_deductions,
                                          pay::SlipField::income_tax, pay::SlipField::annual_pay};

/// How a batch ended.
struct BatchOutcome {
    staff::ExitStatus status = staff::ExitStatus::ok;
    std::size_t rows = 0;
    std::size_t failed_rows = 0;
    /// One line for standard error; empty when every row succeeded.
    std::string message;
    /// Writing the output failed; the caller, who knows the output, tells why.
    bool write_failed = false;
    /// The lines on which the first faulty rows start.
    std::vector<std::size_t> faulty_lines;
    /// The sums of `summed_fields`, in hundredths. Each row adds less than 2^63 in each, and rows
    /// are counted in 64 bits, so these sums cannot wrap.
    std::array<pay::WideInteger, summed_fields.size()> sums{};
    /// With a comparison of rules, the sums of the monthly differences and of the arrears, in
    /// hundredths, as wide.
    pay::WideInteger monthly_difference_sum = 0;
    pay::WideInteger arrears_sum = 0;
};

/// "staff.csv: 2 of 6 rows have errors (lines 3, 7); see the error column"
std::string row_errors_message(const BatchOutcome& outcome, const BatchOptions& options);

/// Sets the status and message of a batch whose rows are all written: a failed write
/// (`written` false) or read, then rows with errors.
void settle_outcome(BatchOutcome& outcome, bool written, const staff::CsvReader& reader,
                    const BatchOptions& options);

/// "1 row", "2 rows".
std::string rows_text(std::size_t count);

/// The header line and one example row of a batch, ready to fill in.
std::string batch_template(char delimiter);

/// What --summary tells: the rows read, the rows with errors, and the sums of the amounts over
/// the rows that succeeded, one line each; with a comparison of rules, a line of the sums of the
/// monthly differences and of the arrears.
std::vector<std::string> summary_lines(const BatchOutcome& outcome, const BatchOptions& options);

/// Reads a CSV text with a header row naming the seven choice columns and writes one output row
/// per input row, in input order: the input values, the 21 shown texts, the columns of a
/// comparison of rules when asked for, and the error. An input column named as one of the added
/// columns (or as the `rules` member of an explained row) is refused as a usage error.
BatchOutcome run_batch(std::istream& input, std::ostream& output, const BatchOptions& options);

}  // namespace cli
