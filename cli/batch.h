#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>

#include "cli/exit_status.h"

namespace cli {

struct BatchOptions {
    /// JSON Lines instead of CSV.
    bool json = false;
    /// The rows are the successive OK presses of one window, texts taken as typed.
    bool session = false;
    /// Each JSON row gains an `explanation` member (JSON Lines only).
    bool explain = false;
    /// How messages name the input and the output.
    std::string input_name = "the input";
    std::string output_name = "the output";
};

/// How a batch ended.
struct BatchOutcome {
    ExitStatus status = ExitStatus::ok;
    std::size_t rows = 0;
    std::size_t failed_rows = 0;
    /// One line for standard error; empty when every row succeeded.
    std::string message;
    /// Writing the output failed; the caller, who knows the output, tells why.
    bool write_failed = false;
};

/// Reads a CSV text with a header row naming the seven choice columns and writes one output row
/// per input row, in input order: the input values, the 21 shown texts and the error.
BatchOutcome run_batch(std::istream& input, std::ostream& output, const BatchOptions& options);

}  // namespace cli
