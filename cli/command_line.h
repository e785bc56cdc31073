#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "language/language.h"
#include "pay/calendar.h"
#include "pay/comparison.h"
#include "pay/pay_inputs.h"
#include "staff/exit_status.h"
#include "staff/run_rules.h"

namespace cli {

/// What the command line asks for.
struct Command {
    enum class Mode { slip, batch, compare, batch_template, show_rules, list_rules, arrears };
    Mode mode = Mode::slip;
    /// The seven choices of one slip, as given.
    pay::PayInputs choices;
    /// The batch input: a path, or "-" for standard input.
    std::string batch_input;
    /// The batch output: a path, or empty for standard output.
    std::string output;
    /// The output option as the command line spelled it ("-o" or "--output"), for messages.
    std::string output_option = "-o";
    bool json = false;
    bool session = false;
    /// The axis of a comparison table (mode compare).
    pay::CompareAxis compare_axis = pay::CompareAxis::rank;
    /// Each amount with its explanation; in batch mode with `json` only.
    bool explain = false;
    /// The batch's field separator; none to take it from the header.
    char delimiter = '\0';
    bool decimal_comma = false;
    bool byte_order_mark = false;
    /// Rows and sums on standard error after a batch.
    bool summary = false;
    /// The rules file to compute with (none for the built-in rules) and that of the previous
    /// rules, each slip computed under both (none for no comparison).
    staff::RulesFiles rules_files;
    /// The months of arrears of a comparison of rules; 0 for none.
    int months = 0;
    /// The period of arrears (mode arrears), both days counted.
    pay::Day from{};
    pay::Day to{};
    /// The rules file of what was paid; none for the set in force the day before `from`.
    std::optional<std::string> paid_rules;
    /// The file of one line per row and month of arrears; none for no such file.
    std::optional<std::string> arrears_detail;
    /// The language of the captions the tables show (not of keys, aliases or diagnostics).
    language::Language language = language::Language::ar;
};

struct ParsedCommandLine {
    /// None when nothing is left to do: help or version shown, or a usage error reported.
    std::optional<Command> command;
    /// The exit status when there is no command: ok, or usage.
    staff::ExitStatus status = staff::ExitStatus::ok;
};

/// Reads the arguments. Help and version go to `out`; a usage error is one line on `err`.
ParsedCommandLine parse_command_line(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err);

}  // namespace cli
